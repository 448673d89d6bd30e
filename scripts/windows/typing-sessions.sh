#!/usr/bin/env bash
# Types the scenarios of scripts/windows/typing-scenarios.txt through the
# installed LutemIME.dll under Wine (lutem-host.exe: the stand-in's text
# services in the program, the real module loaded by COM, Wine's windows,
# GDI+, pipes and SendInput) and through the module on the stand-in
# (build/bin/lutem-host), and compares each step's fields: document,
# composition, candidates, selection, pages, visible, learned, every
# document's text and composition, the keyboard's
# open state, the settings the module holds, the requests it sent the
# server, and the candidate window's place. Any difference fails; what Wine itself cannot do
# like Windows is left out of the comparison and named in the list printed
# at the end.
#   WINEPREFIX=... scripts/windows/typing-sessions.sh OUTDIR
# The prefix has the product installed under Program Files (x86), its DLL
# registered and rootDir recorded; its wineserver is not running (Wine's
# desktop binds to the screen of its first windowed program). OUTDIR gets
# each scenario's JSON lines from both builds (NAME.linux, NAME.windows) and
# the candidate window's pictures under Windows (NAME/step-NNN.png). A
# scenario that has not ended after LUTEM_SCENARIO_TIMEOUT seconds (60)
# fails the run with its name.
set -euo pipefail
cd "$(dirname "$0")/../.."
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}
scenarios=scripts/windows/typing-scenarios.txt
limit=${LUTEM_SCENARIO_TIMEOUT:-60}
install_dir='C:\Program Files (x86)\Hollin\Lutem Keyboard'

# name TAB options TAB script, comments and blank lines left out
scenario_lines() { grep -v -e '^#' -e '^$' "$scenarios"; }

# The Windows side, on the Xvfb screen: the settings server as the user's,
# then each scenario in its own lutem-host.exe, in order. The input language
# is Bengali (Bangladesh), which Wine takes from the locale.
on_screen() {
  local out=$1 status=0 name options script code
  # The user starts as on the stand-in's fresh drive C:: the product's
  # defaults, nothing learned; only the installation root stays recorded.
  "$wine" reg delete 'HKCU\Software\Hollin' /f >/dev/null 2>&1 || true
  "$wine" reg add 'HKCU\Software\Hollin\Lutem Keyboard' /v rootDir /t REG_SZ \
    /d "$install_dir" /f >/dev/null 2>&1
  "$wine" "$install_dir\\lutem-settings-server.exe" > "$out/server.out" 2>&1 &
  local server=$!
  while IFS=$'\t' read -r name options script; do
    mkdir -p "$out/$name"
    code=0
    # shellcheck disable=SC2086  # options are words
    LANG=bn_BD.UTF-8 LC_ALL=bn_BD.UTF-8 timeout "$limit" "$wine" build-win/bin/lutem-host.exe \
      --json $options --picture "Z:$(realpath "$out/$name" | tr / '\\')" "$script" \
      < /dev/null 2> "$out/$name.windows.err" | tr -d '\r' > "$out/$name.windows" || code=$?
    if [ "$code" -eq 124 ]; then
      echo "typing scenario $name did not end within $limit s under Wine" >&2
      status=1
    elif [ "$code" -ne 0 ]; then
      echo "typing scenario $name: lutem-host.exe ended with code $code" >&2
      sed 's/^/  | /' "$out/$name.windows.err" >&2
      status=1
    fi
    rmdir "$out/$name" 2>/dev/null || true  # no window shown, no picture
  done < <(scenario_lines)
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  "$wineserver" -k 2>/dev/null || true
  return "$status"
}
if [ "${1:-}" = "--on-screen" ]; then
  on_screen "$2"
  exit
fi

if [ $# -ne 1 ] || [ -z "${WINEPREFIX:-}" ]; then
  echo "usage: WINEPREFIX=... $0 OUTDIR" >&2
  exit 2
fi
out=$(realpath -m "$1")
rm -rf "$out"
mkdir -p "$out"

# The Linux side: the module registered on a fresh stand-in drive C: with the
# installed dictionary in its data folder; lutem-host starts its own server
# there for each session, which keeps what was learned in that registry. It
# runs beside the Windows side (nothing of it is on the screen).
on_the_stand_in() {
  export LUTEM_SYSTEM_ROOT=$out/linux-drive-c
  build/bin/lutem-host register >/dev/null
  local data name options script
  data=$(build/bin/lutem-data-folder)
  mkdir -p "$data"
  cp "$WINEPREFIX/drive_c/Program Files (x86)/Hollin/Lutem Keyboard/Dictionaries/"*.bin "$data/" \
    2>/dev/null || true
  while IFS=$'\t' read -r name options script; do
    # shellcheck disable=SC2086
    if ! timeout "$limit" build/bin/lutem-host --json $options "$script" < /dev/null \
         > "$out/$name.linux" 2> "$out/$name.linux.err"; then
      echo "typing scenario $name failed on the stand-in:" >&2
      sed 's/^/  | /' "$out/$name.linux.err" >&2
      return 1
    fi
  done < <(scenario_lines)
}
on_the_stand_in &
stand_in=$!

status=0
"$wineserver" -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-screen "$out" || status=1
wait "$stand_in" || exit 1

# The compared fields of each step; the window by its place only, the
# button's icon not at all (Windows does not say which resource an icon is).
fields='{step, document, composition, candidates, selection, pages, visible, learned,
         open, layout, encoding, candidateWindow, pipe, documents,
         at: (if .window then [.window.x, .window.y] else null end)}'
compared=0
while IFS=$'\t' read -r name options script; do
  jq -c "$fields" "$out/$name.linux" > "$out/$name.linux.fields"
  if ! jq -c "$fields" "$out/$name.windows" > "$out/$name.windows.fields" 2>/dev/null; then
    echo "typing scenario $name: lutem-host.exe wrote no JSON" >&2
    status=1
    continue
  fi
  if ! cmp -s "$out/$name.linux.fields" "$out/$name.windows.fields"; then
    echo "typing scenario $name ($options '$script') differs under Wine (< Linux, > Wine):" >&2
    diff "$out/$name.linux.fields" "$out/$name.windows.fields" > "$out/$name.diff" || true
    grep '^[<>]' "$out/$name.diff" | sed -n '1,6p' >&2
    status=1
    continue
  fi
  compared=$((compared + 1))
done < <(scenario_lines)
echo "typing through LutemIME.dll under Wine: $compared of $(scenario_lines | wc -l) scenarios" \
     "agree with the stand-in step by step ($out)"
cat <<'LIST'
  not compared, because Wine cannot do it as Windows does:
  - the candidate window's width and height. Wine's GDI+ takes every glyph
    from the one face asked for, without fallback, and lays Bengali out
    unshaped; the face standing in for the product's (Lohit Bengali, the
    only packaged Bengali face Wine's GDI+ makes bold) has no Latin letters,
    which draw as boxes, and its own line height. Widths and heights then
    follow the font, not the DLL: they differ even for Latin-only lists
    ("K_v" in the ANSI form: 155 against 148). The window's place is
    compared at every step.
LIST
exit "$status"
