#!/usr/bin/env bash
# Cross-builds the system for Windows with Debian's mingw-w64 (64-bit, and
# 32-bit for the settings program), runs the tests under Wine, so the code
# tested on Linux is the code that builds for Windows, and lays out the
# product as it installs on Windows.
#   scripts/build-windows.sh            install, build the dependencies, build, test
#   scripts/build-windows.sh --no-test  the same without running the tests
# The dependencies are built once into build-win-deps/ (a second run reuses
# them); the project is built in build-win/ (64-bit) and build-win32/
# (32-bit); the product's layout is build-win/dist/, zipped as
# build-win/lutem-keyboard-windows.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
deps=$root/build-win-deps
prefix=$deps/prefix
triple=x86_64-w64-mingw32
# Four compile jobs beside other builds on a shared machine; all cores in CI.
if [ "${CI:-}" = true ]; then jobs=${LUTEM_WIN_JOBS:-$(nproc)}; else jobs=${LUTEM_WIN_JOBS:-4}; fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# --- Debian packages --------------------------------------------------------
# The posix-thread compiler: the win32 flavour of GCC 12 has no std::mutex.
# dpkg-dev unpacks the OpenFst source package; the native nlohmann-json and
# utfcpp packages give headers that are the same on every target.
packages="g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 dpkg-dev
          googletest nlohmann-json3-dev libutfcpp-dev cmake ninja-build"
# OpenFst comes as Debian's source package, which needs a source entry: the
# machine's own archive entries, copied as deb-src (the image lists binary
# packages only).
src_list=/etc/apt/sources.list.d/lutem-windows-src.sources
need_update=false
# (a machine with only a one-line sources.list gets the .list form)
if [ ! -f "$src_list" ] && [ ! -f "${src_list%.sources}.list" ]; then
  entries=$(for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && [ "$f" != "$src_list" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /(^|\n)Types:[^\n]*deb/ && !/deb-src/' "$f"
  done | sed 's/^Types:.*/Types: deb-src/')
  if [ -z "$entries" ] && [ -f /etc/apt/sources.list ]; then
    entries=$(grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /')
    src_list=/etc/apt/sources.list.d/lutem-windows-src.list
  fi
  if [ -z "$entries" ]; then
    echo "build-windows: no Debian archive entry to copy as a source entry" >&2
    exit 1
  fi
  printf '%s\n' "$entries" | $SUDO tee "$src_list" >/dev/null
  need_update=true
fi
# --- 32-bit programs and the screen ------------------------------------------
# The settings program ships 32-bit: its compiler, and wine32 to run it, which
# needs the machine's i386 architecture. Xvfb gives the windowed programs a
# screen, xcompmgr the compositing that layered windows need, ImageMagick
# takes the pictures, and the fonts give Wine's GDI+ Bengali glyphs.
packages="$packages g++-mingw-w64-i686-posix wine32:i386
          xvfb xauth xcompmgr imagemagick fonts-freefont-ttf fonts-lohit-beng-bengali"
# jq compares the typing sessions of both builds step by step.
packages="$packages jq"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=true
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then need_update=true; fi
if $need_update; then $SUDO apt-get update -qq; fi
if [ -n "$missing" ]; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
    $missing >/dev/null
fi

# What is cached under build-win-deps/ is rebuilt whole when the recipe
# below changes: bump this then.
recipe=1
if [ "$(cat "$prefix/.recipe" 2>/dev/null)" != "$recipe" ]; then rm -rf "$deps"; fi
mkdir -p "$deps/src" "$prefix/include" "$prefix/lib"
echo "$recipe" > "$prefix/.recipe"
cd "$deps/src"

# --- Boost.Regex, header-only, from Debian's 1.81 headers -------------------
# Installing libboost1.81-dev would remove the 1.74 packages of the native
# build, so its headers are only unpacked here.
if [ ! -d "$prefix/include/boost/regex" ]; then
  rm -rf boost-deb libboost1.81-dev_*.deb
  apt-get download -qq -o APT::Sandbox::User=root libboost1.81-dev
  dpkg-deb -x libboost1.81-dev_*.deb boost-deb
  rm -rf "$prefix/include/boost"
  mv boost-deb/usr/include/boost "$prefix/include/boost"
  rm -rf boost-deb libboost1.81-dev_*.deb
fi

# --- nlohmann-json and utfcpp: the native packages' headers -----------------
# Copied rather than put on the include path, which must not see /usr/include.
if [ ! -d "$prefix/include/nlohmann" ]; then
  cp -r /usr/include/nlohmann "$prefix/include/"
fi
if [ ! -d "$prefix/include/utf8cpp" ]; then
  cp -r /usr/include/utf8cpp "$prefix/include/"
fi

# --- OpenFst from Debian's source package -----------------------------------
# Only the core library is built. Without dynamic linking the FST types
# register through static initialisers, so the project links the archive
# whole (see cmake/WindowsDependencies.cmake).
if [ ! -f "$prefix/lib/libfst.a" ]; then
  rm -rf openfst openfst_*
  apt-get source -qq --download-only -o APT::Sandbox::User=root openfst
  dpkg-source -x --no-check openfst_*.dsc openfst >/dev/null
  mkdir -p openfst/obj
  objs=()
  for f in compat encode flags fst fst-types mapped-file properties symbol-table \
           symbol-table-ops weight util; do
    ${triple}-g++-posix -std=c++17 -O2 -DNDEBUG -DFST_NO_DYNAMIC_LINKING -D_USE_MATH_DEFINES \
      -Iopenfst/src/include -c "openfst/src/lib/$f.cc" -o "openfst/obj/$f.o" &
    objs+=("openfst/obj/$f.o")
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  done
  wait
  for o in "${objs[@]}"; do [ -f "$o" ] || { echo "OpenFst: $o failed" >&2; exit 1; }; done
  rm -rf "$prefix/include/fst"
  cp -r openfst/src/include/fst "$prefix/include/fst"
  ${triple}-ar rcs "$prefix/lib/libfst.a" "${objs[@]}"
  rm -rf openfst openfst_*
fi

# --- GoogleTest from Debian's googletest package source ---------------------
if [ ! -f "$prefix/lib/libgtest.a" ]; then
  rm -rf gtest-build
  cmake -S /usr/src/googletest -B gtest-build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=ON >/dev/null
  cmake --build gtest-build -j "$jobs" >/dev/null
  cmake --install gtest-build >/dev/null
  rm -rf gtest-build
fi

# --- marisa-trie from the vendored release archive ---------------------------
# The archive cannot serve its source package, so the release tarball sits
# in the shared vendor folder with its checksum in the folder's README. A
# machine without that folder builds without the word trie, as before; an
# archive whose checksum differs is refused. The shared folder stands beside
# the checkout, or beside the folder of a worktree; LUTEM_VENDOR_DIR names
# another vendor folder.
vendor=${LUTEM_VENDOR_DIR:-$root/../shared/vendor}
if [ -z "${LUTEM_VENDOR_DIR:-}" ] && [ ! -d "$vendor" ] && [ -d "$root/../../shared/vendor" ]; then
  vendor=$root/../../shared/vendor
fi
marisa_archive=$vendor/marisa-0.2.6.tar.gz
with_marisa=OFF
if [ -f "$marisa_archive" ]; then
  expected=$(awk -F'|' '$2 ~ /^ *marisa-0\.2\.6\.tar\.gz *$/ {gsub(/ /, "", $4); print $4}' \
             "$vendor/README.md" 2>/dev/null)
  actual=$(sha256sum "$marisa_archive" | cut -d' ' -f1)
  if [ -z "$expected" ] || [ "$expected" != "$actual" ]; then
    echo "build-windows: $marisa_archive: sha256 $actual is not the one in" \
         "$vendor/README.md (${expected:-none there}); refusing it" >&2
    exit 1
  fi
  if [ ! -f "$prefix/lib/libmarisa.a" ]; then
    rm -rf marisa-0.2.6
    tar xzf "$marisa_archive"
    mkdir -p marisa-0.2.6/obj
    objs=()
    for f in $(cd marisa-0.2.6/lib && find marisa -name '*.cc' | sort); do
      o=marisa-0.2.6/obj/$(echo "${f%.cc}" | tr / _).o
      ${triple}-g++-posix -std=c++17 -O2 -DNDEBUG -Imarisa-0.2.6/include -Imarisa-0.2.6/lib \
        -c "marisa-0.2.6/lib/$f" -o "$o" &
      objs+=("$o")
      while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
    done
    wait
    for o in "${objs[@]}"; do [ -f "$o" ] || { echo "marisa-trie: $o failed" >&2; exit 1; }; done
    rm -rf "$prefix/include/marisa" "$prefix/include/marisa.h"
    cp -r marisa-0.2.6/include/marisa marisa-0.2.6/include/marisa.h "$prefix/include/"
    rm -f "$prefix/include/marisa/Makefile.am"
    ${triple}-ar rcs "$prefix/lib/libmarisa.a" "${objs[@]}"
    rm -rf marisa-0.2.6
  fi
  with_marisa=ON
else
  echo "build-windows: no $marisa_archive:" \
       "building without the word trie (no dictionary words on Windows); set LUTEM_VENDOR_DIR to a folder holding marisa-0.2.6.tar.gz (sha256 3dad9cbb2abd7e0381d44207e06e9ad4faaa8c50eea2a40d1f69a90a5154ad22, named in that folder's README.md; see README.md, Windows)" >&2
fi

# --- The project -------------------------------------------------------------
cd "$root"
cmake -S . -B build-win -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DLUTEM_WIN_DEPS="$prefix" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUTEM_BUILD_BENCH=OFF -DLUTEM_WITH_MARISA="$with_marisa" >/dev/null
cmake --build build-win -j "$jobs"

# --- The 32-bit tree: the settings program -----------------------------------
# Only LutemSettings is built here (once it has sources); its tests run in the
# 64-bit tree. The header-only dependencies of the prefix serve both.
cmake -S . -B build-win32 -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" \
  -DLUTEM_WIN_DEPS="$prefix" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUTEM_BUILD_TESTS=OFF -DLUTEM_BUILD_BENCH=OFF -DLUTEM_WITH_MARISA=OFF >/dev/null
if cmake --build build-win32 --target help | grep -q '^LutemSettings\.exe:'; then
  cmake --build build-win32 -j "$jobs" --target LutemSettings
fi
# The settings program ships 32-bit: its PE header must say so, whether or
# not this machine can run it.
if [ -f build-win32/bin/LutemSettings.exe ]; then
  format=$(i686-w64-mingw32-objdump -f build-win32/bin/LutemSettings.exe |
           sed -n 's/.*file format \([^ ]*\).*/\1/p')
  if [ "$format" != pei-i386 ]; then
    echo "build-win32/bin/LutemSettings.exe is ${format:-not a PE file}, not a 32-bit" \
         "program (pei-i386)" >&2
    exit 1
  fi
  echo "LutemSettings.exe: a 32-bit Windows program (pei-i386)"
fi
# The Wine stage's probes: whether 32-bit programs run, and its own screen
# (32-bit where they run, else 64-bit); and the program that shows the
# settings program's dialogs for their pictures.
mkdir -p build-win32/probe build-win/probe
i686-w64-mingw32-gcc-posix -O2 -Wall -static -o build-win32/probe/probe32.exe \
  scripts/windows/probe32.c
i686-w64-mingw32-gcc-posix -O2 -Wall -static -o build-win32/probe/screen-probe.exe \
  scripts/windows/screen-probe.c -lgdiplus -lgdi32
${triple}-gcc-posix -O2 -Wall -static -o build-win/probe/screen-probe.exe \
  scripts/windows/screen-probe.c -lgdiplus -lgdi32
i686-w64-mingw32-gcc-posix -O2 -Wall -static -municode -o build-win32/probe/settings-screens.exe \
  scripts/windows/settings-screens.c

# Statically linked: a program may import system DLLs only, never one that
# the toolchain or a mingw-w64 package ships (libstdc++, winpthread, zlib).
for tree in build-win:$triple build-win32:i686-w64-mingw32; do
  dir=${tree%%:*}
  target=${tree#*:}
  shipped=$(find /usr/$target /usr/lib/gcc/$target -iname '*.dll' -printf '%f\n' 2>/dev/null |
            tr '[:upper:]' '[:lower:]' | sort -u)
  for exe in "$dir"/bin/*.exe "$dir"/bin/*.dll; do
    [ -f "$exe" ] || continue
    for dll in $(${target}-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}'); do
      if grep -qxF "$dll" <<<"$shipped"; then
        echo "$exe needs $dll: the Windows build must link statically" >&2
        exit 1
      fi
    done
  done
done

# --- The product's Windows layout and its zip --------------------------------
# build-win/dist/ holds what goes under the 32-bit Program Files folder, as
# "Hollin\Lutem Keyboard\...", and INSTALL.txt; the zip holds the same. A
# deliverable that is not built yet is left out and named.
scripts/windows/make-dist.sh

# The input method's DLL exports the four entry points of an in-process COM
# server and nothing else.
exports=$(${triple}-objdump -p build-win/bin/LutemIME.dll |
          awk '/\[Ordinal\/Name Pointer\] Table/ {table = 1; next}
               table && /^[[:space:]]*\[/ {print $NF; next}
               {table = 0}' | sort | tr '\n' ' ')
four="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
if [ "$exports" != "$four" ]; then
  echo "LutemIME.dll exports: ${exports:-nothing}; it must export exactly the four" \
       "COM server entry points" >&2
  exit 1
fi

if [ "${1:-}" = "--no-test" ]; then exit 0; fi

# --- The tests under Wine, headless ------------------------------------------
# A fresh prefix per run; winedbg off, so a crash fails its test instead of
# waiting in a debugger; the wineserver started once before the tests so the
# first ones do not pay for the prefix's creation inside their time-out.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/lutem-wine.XXXXXX")
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64
# The prefix is made for this run, so the settings server's tests may
# replace its user's settings.
export LUTEM_TEST_DISPOSABLE_PROFILE=1
unset DISPLAY
work=$(mktemp -d "${TMPDIR:-/tmp}/lutem-win-work.XXXXXX")
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT
"$wineserver" -p 60
"$wine" wineboot -i >/dev/null 2>&1

# Some machines of this kind run no 32-bit program: the kernel refuses
# Wine's 32-bit loader. Then the 32-bit settings program is built and its
# header checked (above), but only what must run 32-bit is left out: its run
# under Wine and its pictures. LUTEM_WINE32_PROBE=fail makes the probe fail
# as such a machine's does, to try that road here.
runs_32bit=true
probe32() {  # prints nothing when 32-bit programs run, else the cause
  local loader=/usr/lib/wine/wine out refused
  if [ "${LUTEM_WINE32_PROBE:-}" = fail ]; then
    # A loader this machine cannot execute, as a kernel without 32-bit
    # support finds Wine's: an ELF file for another processor.
    loader=$work/foreign-loader
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\050\000' > "$loader"
    chmod +x "$loader"
  fi
  if [ ! -x "$loader" ]; then
    echo "Wine's 32-bit loader ($loader, package wine32:i386) is not installed"
    return
  fi
  refused=$( { "$loader" --version >/dev/null; } 2>&1 | grep -o 'Exec format error' || true)
  if [ -n "$refused" ]; then
    echo "this machine's kernel runs no 32-bit program: Wine's 32-bit loader ends with" \
         "\"Exec format error\""
    return
  fi
  out=$("$wine" build-win32/probe/probe32.exe 2>&1 | tr -d '\r' || true)
  if ! grep -q '^32-bit program ran (pointer size 4)$' <<<"$out"; then
    echo "Wine started no 32-bit program: $(head -n 1 <<<"$out")"
  fi
}
cause=$(probe32)
if [ -n "$cause" ]; then
  runs_32bit=false
  echo "build-windows: $cause; the 32-bit settings program is not run under Wine" \
       "and not pictured (everything else runs)"
else
  echo "32-bit programs run under Wine here: nothing is left out"
fi

# A program that Wine cannot run ends with code 0 and prints nothing. So
# each GoogleTest program that ctest runs must list its tests here (ctest
# would find none in a silent one and say nothing), and every test that
# passed must show that it ran: GoogleTest's line for a test that ended,
# or a fuzz replay's count of the inputs it replayed.
for exe in $(sed 's|^|build-win/bin/|' build-win/test-programs.txt); do
  # grep reads the whole list: one that stops at the first test leaves tr
  # writing into a closed pipe, and pipefail takes that for Wine's failure.
  if ! "$wine" "$exe" --gtest_list_tests 2>/dev/null | tr -d '\r' | grep -c '^  ' >/dev/null; then
    echo "$exe lists no test under Wine" >&2
    exit 1
  fi
done
status=0
# A test program that Wine once fails to start (seen as a failure after no
# time and with no output) gets one more try; a test that fails twice fails.
ctest --test-dir build-win --output-on-failure -j "$(nproc)" --timeout 120 \
  --repeat until-pass:2 || status=$?
# ctest names the skipped tests; their reasons are only in the test log.
awk '/^\[  SKIPPED \] [^ ]+ \([0-9]+ ms\)$/ {print "  skipped " $4 ": " prev} {prev = $0}' \
  build-win/Testing/Temporary/LastTest.log
if [ "$status" -ne 0 ]; then exit "$status"; fi
if ! awk '{ sub(/\r$/, "") }
          /^[0-9]+\/[0-9]+ Testing: / { name = $3; ran = 0 }
          /^\[       OK \] |^\[  SKIPPED \] |^[1-9][0-9]* inputs replayed$/ { ran = 1 }
          /^Test Passed\.$/ && !ran { print "  " name; silent = 1 }
          END { exit silent }' build-win/Testing/Temporary/LastTest.log >&2; then
  echo "these tests passed under Wine without showing that they ran" >&2
  exit 1
fi

# regsvr32 registers the DLL in Wine's registry and removes it again. Wine's
# TSF has no ITfInputProcessorProfileMgr::RegisterProfile (E_NOTIMPL), so the
# profile goes through ITfInputProcessorProfiles there.
clsid='{DA57B8A4-6DDE-42D9-843E-F97CE3F5A823}'
reg_value() {  # reg_value KEY NAME|"" -> the value's data, nothing when absent
  local which=(/ve)
  if [ -n "$2" ]; then which=(/v "$2"); fi
  "$wine" reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' |
    awk -F '    ' '/REG_SZ/ {print $NF}'
}
# register DLL WINDOWS-PATH: regsvr32 the DLL, and the class key must name
# the file at WINDOWS-PATH as its in-process server, apartment-threaded.
register() {
  local status=0 server="HKCR\\CLSID\\$clsid\\InProcServer32"
  "$wine" regsvr32 /s "$1" || status=$?
  if [ "$status" -ne 0 ] || [ "$(reg_value "HKCR\\CLSID\\$clsid" "")" != "Lutem Keyboard" ] ||
     [ "$(reg_value "$server" "")" != "$2" ] ||
     [ "$(reg_value "$server" ThreadingModel)" != "Apartment" ]; then
    echo "regsvr32 $1 under Wine: exit $status; the class key holds:" >&2
    "$wine" reg query "HKCR\\CLSID\\$clsid" /s >&2 || true
    return 1
  fi
}
# unregister DLL: regsvr32 /u, and neither the class key nor the TSF key is left.
unregister() {
  local status=0
  "$wine" regsvr32 /u /s "$1" || status=$?
  if [ "$status" -ne 0 ] || "$wine" reg query "HKCR\\CLSID\\$clsid" >/dev/null 2>&1 ||
     "$wine" reg query "HKLM\\Software\\Microsoft\\CTF\\TIP\\$clsid" >/dev/null 2>&1; then
    echo "regsvr32 /u $1 under Wine: exit $status, or a key is left" >&2
    return 1
  fi
}
register build-win/bin/LutemIME.dll "Z:$(realpath build-win/bin/LutemIME.dll | tr / '\\')"
unregister build-win/bin/LutemIME.dll
echo "LutemIME.dll: four exports; regsvr32 registers and unregisters it under Wine"

# Key lines for the comparisons below: random runs of the keys the layouts
# use, reproducible (awk's srand with a fixed seed).
random_keys() {
  awk -v lines="$1" -v seed="$2" 'BEGIN {
    srand(seed)
    units = "aaaeeiioouubcdghjklmnprstTDNRSKGJHOIUAEy~`^.,;:/\\|[]{}0123456789 "
    for (i = 0; i < lines; i++) {
      n = 1 + int(rand() * 12); line = ""
      for (j = 0; j < n; j++) line = line substr(units, 1 + int(rand() * length(units)), 1)
      print line
    }
  }'
}

# Runs both builds of lutem-convert on the key lines with the given
# arguments and says where they differ; the outputs go to OUT.linux and
# OUT.windows.
#   same_on_both KEYS OUT ARGS...
same_on_both() {
  local keys=$1 out=$2
  shift 2
  build/bin/lutem-convert "$@" < "$keys" > "$out.linux" 2>/dev/null || true
  if ! "$wine" build-win/bin/lutem-convert.exe "$@" < "$keys" 2>/dev/null |
       tr -d '\r' > "$out.windows"; then
    echo "lutem-convert.exe $* failed under Wine" >&2
    return 1
  fi
  if [ "$(wc -l < "$out.linux")" -ne "$(wc -l < "$keys")" ] ||
     ! cmp -s "$out.linux" "$out.windows"; then
    echo "lutem-convert $* differs on Windows:" >&2
    diff "$out.linux" "$out.windows" | head -5 >&2
    return 1
  fi
}
# Each comparison starts its own Wine process, which mostly waits on the
# wineserver: they run side by side, and the stage waits for them all.
comparisons=()
compare_in_background() {  # compare_in_background ARGS... (as same_on_both's)
  same_on_both "$@" &
  comparisons+=("$!")
}
comparisons_differ() {  # true when a comparison started since the last call failed
  local pid differ=1
  for pid in "${comparisons[@]}"; do wait "$pid" || differ=0; done
  comparisons=()
  return "$differ"
}

# The same keys through both builds of lutem-convert, every layout and both
# encodings, must give the same bytes (when the native build is there).
if [ -x build/bin/lutem-convert ]; then
  keys=$work/keys
  random_keys 3000 9 > "$keys"
  for layout in 1 2 3 4 5 6 7 8; do
    for encoding in 0 1; do
      compare_in_background "$keys" "$work/text-$layout-$encoding" \
        --layout $layout --encoding $encoding
    done
  done
  if comparisons_differ; then exit 1; fi
  echo "lutem-convert: $(wc -l < "$keys") key lines, 8 layouts x 2 encodings:" \
       "the same text on Windows"
fi

# --- The product installed in the prefix --------------------------------------
# The artifact's folder goes where Windows programs look for it, under the
# prefix's 32-bit Program Files folder. With the same dictionary and model
# files in the stand-in's data folder, lutem-convert --candidates must then
# offer the same dictionary and model words on both builds.
program_files="$WINEPREFIX/drive_c/Program Files (x86)"
if [ -d build-win/dist/Hollin ]; then
  cp -r build-win/dist/Hollin "$program_files/"
fi
if [ "$with_marisa" = ON ] && [ -d build-win/dist/Hollin ] && [ -x build/bin/lutem-convert ]; then
  keys=$work/candidate-keys
  { random_keys 1000 11; printf 'ami\nkotha\nbangla\ntumi\n'; } > "$keys"
  native_root=$work/drive-c
  data=$(LUTEM_SYSTEM_ROOT=$native_root build/bin/lutem-data-folder)
  mkdir -p "$data"
  cp "$program_files/Hollin/Lutem Keyboard/Dictionaries/lutem_bn-BD.bin" "$data/"
  cp "$program_files/Hollin/Lutem Keyboard/Dictionaries/Lutem_LM.bin" "$data/"
  export LUTEM_SYSTEM_ROOT=$native_root
  for layout in 1 2 3 4 5 6 7 8; do
    compare_in_background "$keys" "$work/candidates-$layout" --layout $layout --candidates
  done
  differ=0
  if comparisons_differ; then differ=1; fi
  unset LUTEM_SYSTEM_ROOT
  # Without a dictionary both builds would agree on offering none: the
  # native one must offer words after the text and the keys of "kotha".
  if ! awk -F'\t' '$2 == "kotha" && NF > 2 {found = 1} END {exit !found}' \
       "$work/candidates-3.linux"; then
    echo "lutem-convert --layout 3 --candidates offers no dictionary word for kotha" >&2
    differ=1
  fi
  # Nor would they differ without the model: layout 1 offers its words.
  if ! awk -F'\t' '$2 == "kotha" && NF > 2 {found = 1} END {exit !found}' \
       "$work/candidates-1.linux"; then
    echo "lutem-convert --layout 1 --candidates offers no model word for kotha" >&2
    differ=1
  fi
  if [ "$differ" -ne 0 ]; then exit 1; fi
  echo "lutem-convert --candidates: $(wc -l < "$keys") key lines, 8 layouts:" \
       "the same dictionary and model words on Windows"
else
  echo "lutem-convert --candidates not compared: it needs the word trie, the native" \
       "build and the artifact" >&2
fi

# --- The installed input method activated by Wine's TSF ----------------------
# As INSTALL.txt has it: the installation root recorded for the user, the
# installed DLL registered, the settings server started as the user. Then
# lutem-activation-smoke, as an application, has Wine's TSF load and
# activate the text service for Bengali (Bangladesh), which must be the
# current input language (Wine takes it from the locale), and deactivate it
# again; its last line is "activation smoke: passed" with exit code 0. Where
# Wine's TSF refuses a call that the activation needs, it says which.
install_dir='C:\Program Files (x86)\Hollin\Lutem Keyboard'
if [ -f "$program_files/Hollin/Lutem Keyboard/LutemIME.dll" ] &&
   [ -f "$program_files/Hollin/Lutem Keyboard/lutem-settings-server.exe" ]; then
  "$wine" reg add 'HKCU\Software\Hollin\Lutem Keyboard' /v rootDir /t REG_SZ \
    /d "$install_dir" /f >/dev/null 2>&1
  register "$install_dir\\LutemIME.dll" "$install_dir\\LutemIME.dll"
  "$wine" "$install_dir\\lutem-settings-server.exe" > "$work/server.out" 2>&1 &
  settings_server=$!
  status=0
  LANG=bn_BD.UTF-8 LC_ALL=bn_BD.UTF-8 timeout 180 "$wine" build-win/bin/lutem-activation-smoke.exe \
    2>&1 | tr -d '\r' > "$work/smoke.out" || status=$?
  kill "$settings_server" 2>/dev/null || true
  wait "$settings_server" 2>/dev/null || true
  if [ "$status" -ne 0 ] || [ "$(tail -n 1 "$work/smoke.out")" != "activation smoke: passed" ]; then
    echo "lutem-activation-smoke under Wine: exit $status, without its passing line:" >&2
    sed 's/^/  | /' "$work/smoke.out" >&2
    echo "  the settings server said:" >&2
    tr -d '\r' < "$work/server.out" | sed 's/^/  | /' >&2
    exit 1
  fi
  unregister "$install_dir\\LutemIME.dll"
  cp "$work/smoke.out" build-win/activation-smoke.txt
  echo "activation smoke: Wine's TSF loaded the registered text service and called its" \
       "Activate, which took the settings from the server; no sink was left, the module" \
       "unloaded (build-win/activation-smoke.txt)"
  sed -n 's/^ *this TSF lacks /  Wine lacks /p' "$work/smoke.out"
else
  echo "activation smoke not run: the artifact has no LutemIME.dll or settings server" >&2
  if [ "${CI:-}" = true ]; then exit 1; fi
fi

# --- Windowed programs under Xvfb ----------------------------------------------
# scripts/windows/screenshots.sh runs a windowed program on a screen of its own
# and saves the pictures it asks for; the product's go to build-win/screenshots/.
# First the stage's own check: a windowed program (32-bit where those run)
# must reach the screen and draw Bengali glyphs through GDI+.
mkdir -p build-win/screenshots
if $runs_32bit; then
  scripts/windows/screenshots.sh build-win/screen-check build-win32/probe/screen-probe.exe
  echo "screen check: build-win/screen-check/screen-check.png (32-bit, GDI+, Bengali font)"
else
  scripts/windows/screenshots.sh build-win/screen-check build-win/probe/screen-probe.exe
  echo "screen check: build-win/screen-check/screen-check.png (64-bit, GDI+, Bengali font)"
fi
# The settings program's dialogs, installed in the prefix, as Windows'
# controls draw them. The prefix has no Segoe UI, which the preview draws
# with: FreeSans stands in for it.
if ! $runs_32bit; then
  echo "settings program: not pictured, this machine runs no 32-bit program"
elif [ -f "$program_files/Hollin/Lutem Keyboard/LutemSettings.exe" ]; then
  "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'Segoe UI' /t REG_SZ /d FreeSans /f >/dev/null 2>&1
  scripts/windows/screenshots.sh build-win/screenshots build-win32/probe/settings-screens.exe \
    'C:\Program Files (x86)\Hollin\Lutem Keyboard\LutemSettings.exe'
  echo "settings program: build-win/screenshots/settings-dialog*.png, about-box.png," \
       "licence-dialog.png"
fi
# The candidate window of the DLL's own code, with a fixed list, over an
# application's window at 96 and 144 DPI. The product's face is not in the
# prefix, and Wine's GDI+ takes glyphs from one font only: Lohit Bengali
# stands in for it.
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
  /v 'Selvu Sans Bangla' /t REG_SZ /d 'Lohit Bengali' /f >/dev/null 2>&1
for dpi in 96 144; do
  scripts/windows/screenshots.sh --dpi "$dpi" build-win/screenshots \
    build-win/bin/lutem-candidate-screens.exe "$dpi"
done
cat > build-win/screenshots/README.txt <<'TEXT'
Pictures taken under Wine on an Xvfb screen.

settings-dialog*.png, about-box.png, licence-dialog.png: the settings
program (32-bit), installed in the prefix; FreeSans stands in for Segoe UI.

candidate-window-96dpi*.png, candidate-window-144dpi*.png: the input
method's candidate window with a fixed list of ten candidates (first and
second page) below the text of an application's window, at 96 and 144 DPI.
Lohit Bengali stands in for the candidate window's face.

Wine's GDI+ draws Bengali without shaping: no conjuncts, no reordered vowel
signs (the e-kar stands after its consonant, the hasanta shows), so these
pictures show the right letters, not the look Windows gives them. It takes
every glyph from the one font asked for, without fallback: Lohit Bengali has
no Latin letters, so the candidate "ami" shows as boxes, and Wine's GDI+
leaves the row numbers out in that face (it draws them in FreeSans).
TEXT
echo "candidate window: build-win/screenshots/candidate-window-{96,144}dpi{,-page2}.png" \
     "(build-win/screenshots/README.txt: Wine's GDI+ draws Bengali without shaping)"

# --- Typing through the installed DLL ----------------------------------------
# lutem-host.exe plays TSF inside its own process (the stand-in's text
# services built for Windows) around the LutemIME.dll that regsvr32
# registered and COM loads, on an Xvfb screen, with the installed settings
# server; scripts/windows/typing-sessions.sh plays every scenario of
# scripts/windows/typing-scenarios.txt there and through the module on the
# stand-in, wants the same steps from both, and prints what Wine cannot do
# (left out of the comparison). The candidate window's pictures of each
# scenario go to build-win/screenshots/typing/.
typing_through_the_dll() {
  local started=$SECONDS status=0
  if [ ! -x build/bin/lutem-host ] || [ ! -f "$program_files/Hollin/Lutem Keyboard/LutemIME.dll" ]; then
    echo "typing through the DLL not run: it needs the native build's lutem-host and the" \
         "artifact's LutemIME.dll" >&2
    if [ "${CI:-}" = true ]; then return 1; fi
    return 0
  fi
  register "$install_dir\\LutemIME.dll" "$install_dir\\LutemIME.dll"
  "$wineserver" -k 2>/dev/null || true
  scripts/windows/typing-sessions.sh "$work/typing" || status=$?
  rm -rf build-win/screenshots/typing
  mkdir -p build-win/screenshots/typing
  for pictures in "$work/typing"/*/; do
    [ -d "$pictures" ] && [ "$(basename "$pictures")" != linux-drive-c ] || continue
    cp -r "$pictures" build-win/screenshots/typing/
  done
  cat >> build-win/screenshots/README.txt <<'TEXT'

typing/NAME/step-NNN.png: the candidate window of the installed DLL after
each step of typing scenario NAME (scripts/windows/typing-scenarios.txt)
that left it shown, as the DLL handed it to UpdateLayeredWindow; the same
fonts stand in, so the Latin candidates show as boxes here too.
TEXT
  unregister "$install_dir\\LutemIME.dll" || status=1
  echo "typing through the DLL: $((SECONDS - started)) s (load average $(cut -d' ' -f1-3 /proc/loadavg))"
  return "$status"
}
typing_through_the_dll
