#!/usr/bin/env bash
# Lays out the product as it installs on Windows, from the Windows builds
# (build-win/, build-win32/) and the repository's data:
#   build-win/dist/Hollin/Lutem Keyboard/...   what goes under the 32-bit
#                                              Program Files folder
#   build-win/dist/INSTALL.txt                 how to install it
# and zips both as build-win/lutem-keyboard-windows.zip. The default word
# dictionary is built by the native lutem-dict-build (build/, made by
# ./setup.sh): the file format is the same on both. A deliverable that is
# not built yet is left out and named; in CI a missing native build fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
dist=build-win/dist
install_root="$dist/Hollin/Lutem Keyboard"
zip=build-win/lutem-keyboard-windows.zip

if [ ! -x build/bin/lutem-dict-build ]; then
  echo "make-dist: no native build/bin/lutem-dict-build (./setup.sh builds it):" \
       "the Windows artifact is not made" >&2
  if [ "${CI:-}" = true ]; then exit 1; fi
  exit 0
fi
rm -rf "$dist" "$zip"
mkdir -p "$install_root/UI" "$install_root/Dictionaries"

# Each entry: the file in the build or the repository, and its place under
# the installation root. The theme file and the licence text are data of the
# repository, wherever the settings program's sources keep them.
eula=$(find data src/LutemSettings -name EULA.rtf -print -quit 2>/dev/null || true)
entries=(
  "build-win/bin/LutemIME.dll|LutemIME.dll"
  "build-win32/bin/LutemSettings.exe|LutemSettings.exe"
  "build-win/bin/lutem-settings-server.exe|lutem-settings-server.exe"
  "${eula:-EULA.rtf}|EULA.rtf"
  "data/UI/themes.dov|UI/themes.dov"
)
held=()
absent=()
for entry in "${entries[@]}"; do
  from=${entry%%|*}
  to=${entry#*|}
  if [ -f "$from" ]; then
    cp "$from" "$install_root/$to"
    # The builds keep their debug information; what ships does not.
    case $from in
      build-win/*) x86_64-w64-mingw32-strip --strip-debug "$install_root/$to" ;;
      build-win32/*) i686-w64-mingw32-strip --strip-debug "$install_root/$to" ;;
    esac
    held+=("$to")
  else
    absent+=("$to")
  fi
done
scripts/make-default-dictionary.sh build/bin/lutem-dict-build \
  "$install_root/Dictionaries/lutem_bn-BD.bin" >/dev/null
held+=("Dictionaries/lutem_bn-BD.bin")
# The default language model, by the native builder too (the same file).
scripts/make-default-model.sh build "$install_root/Dictionaries/Lutem_LM.bin" >/dev/null
held+=("Dictionaries/Lutem_LM.bin")

# Windows line ends: the text is read in Notepad.
{
  cat <<'TEXT'
Lutem Keyboard for Windows
==========================

A Bengali (Bangla) input method for 64-bit Windows 10 and later: type Latin
keys, get Bengali script in any application.

This archive holds the folder "Hollin\Lutem Keyboard" as it goes under the
32-bit Program Files folder (C:\Program Files (x86)):

TEXT
  for file in "${held[@]}"; do
    case $file in
      LutemIME.dll) what="the input method (64-bit in-process COM server)" ;;
      LutemSettings.exe) what="the settings program (32-bit)" ;;
      lutem-settings-server.exe) what="the settings server (keeps settings and learned words)" ;;
      EULA.rtf) what="the licence text" ;;
      UI/themes.dov) what="the candidate-window themes" ;;
      Dictionaries/lutem_bn-BD.bin) what="the default word dictionary" ;;
      Dictionaries/Lutem_LM.bin) what="the default language model (Lutem Phonetic)" ;;
      *) what="" ;;
    esac
    printf '  %-32s %s\n' "${file//\//\\}" "$what"
  done
  if [ ${#absent[@]} -gt 0 ]; then
    printf '\nNot in this build yet: %s.\n' "$(IFS=,; echo "${absent[*]//\//\\}" | sed 's/,/, /g')"
  fi
  cat <<'TEXT'

Installing:

1. In a Command Prompt run as administrator, in the folder where this
   archive was unpacked, copy the files into place:
     xcopy /e /i /y Hollin "%ProgramFiles(x86)%\Hollin"
   The dictionaries must stay in "Dictionaries" and the themes in "UI"
   beside the other files: the input method looks for them there.
2. In the same Command Prompt, register the input method with the Text
   Services Framework:
     regsvr32 "%ProgramFiles(x86)%\Hollin\Lutem Keyboard\LutemIME.dll"
3. As yourself, not as administrator, record where the files are: the
   settings program reads its themes from there and stops with "Could not
   find the application's root directory" without it. In an ordinary
   Command Prompt:
     reg add "HKCU\Software\Hollin\Lutem Keyboard" /v rootDir /t REG_SZ /d "%ProgramFiles(x86)%\Hollin\Lutem Keyboard" /f
   (An installer sets the same value, a REG_SZ named "rootDir" under
   HKEY_CURRENT_USER\Software\Hollin\Lutem Keyboard, for each user.)
4. As yourself, not as administrator (an elevated server's pipe is closed
   to ordinary programs), start the settings server, which keeps the
   settings and the learned words; without it the defaults apply and
   nothing is learned. In the same Command Prompt:
     start "" /min "%ProgramFiles(x86)%\Hollin\Lutem Keyboard\lutem-settings-server.exe"
   To start it at every sign-in, put a shortcut to the same program, set to
   run minimised, into the folder that "shell:startup" opens (Windows key +
   R).
5. Add the language Bengali (Bangladesh) in Settings, Time & language, if it
   is not there, and choose "Lutem Keyboard" as its keyboard (Windows key +
   Space switches keyboards). Ctrl+Space turns the keyboard on and off.

Uninstalling: regsvr32 /u with the same path as in step 2, end the settings
server in Task Manager, remove its shortcut from the start-up folder, and
delete "%ProgramFiles(x86)%\Hollin\Lutem Keyboard".
TEXT
} | sed 's/$/\r/' > "$dist/INSTALL.txt"

(cd "$dist" && cmake -E tar cf ../lutem-keyboard-windows.zip --format=zip Hollin INSTALL.txt)
echo "make-dist: $zip: ${held[*]}${absent:+ (not built yet: ${absent[*]})}"
