#!/usr/bin/env bash
# What the tools tell a script: run by ctest with the folder of the built
# programs, on a fresh, empty stand-in drive C: (no server, no data files).
set -euo pipefail
bin=$1
LUTEM_SYSTEM_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/lutem-tools.XXXXXX")
export LUTEM_SYSTEM_ROOT
trap 'rm -rf "$LUTEM_SYSTEM_ROOT"' EXIT
fail() { echo "check-tools: $*" >&2; exit 1; }

# No server: every request fails, the replies say so and the exit code too.
status=0
out=$(printf 'LOAD_ALL\r\n' | "$bin/lutem-settings-send") || status=$?
[ "$status" -eq 1 ] || fail "lutem-settings-send without a server exited $status"
[[ "$out" == "Error: "* ]] || fail "lutem-settings-send printed '$out'"

# No data files: the list is the same, and standard error says what is missing.
err=$(printf 'ami\n' | "$bin/lutem-convert" --layout 1 --candidates 2>&1 >/dev/null)
out=$(printf 'ami\n' | "$bin/lutem-convert" --layout 1 --candidates 2>/dev/null)
[ "$out" = "$(printf '\xe0\xa6\x86\xe0\xa6\xae\xe0\xa6\xbf\tami')" ] || fail "lutem-convert printed '$out'"
grep -q 'no word dictionary: .*lutem_bn-BD.bin is missing' <<<"$err" || fail "no dictionary message: $err"
grep -q 'no language model: .*Lutem_LM.bin is missing' <<<"$err" || fail "no model message: $err"

# A model file that is not a model failed to load; the dictionary is missing still.
folder=$("$bin/lutem-data-folder")
mkdir -p "$folder"
echo 'not a model' > "$folder/Lutem_LM.bin"
err=$(printf 'ami\n' | "$bin/lutem-convert" --layout 1 --candidates 2>&1 >/dev/null)
grep -q 'no language model: .*Lutem_LM.bin failed to load' <<<"$err" || fail "failed model message: $err"

# Without --candidates nothing is loaded and nothing is said.
err=$(printf 'ami\n' | "$bin/lutem-convert" 2>&1 >/dev/null)
[ -z "$err" ] || fail "lutem-convert without --candidates said '$err'"
# The stand-in's registry from a script: a value stored, then the settings
# and learned pairs reset, "rootDir" stored again.
here=$(cd "$(dirname "$0")/.." && pwd)
keyboard='HKCU\Software\Hollin\Lutem Keyboard'
learned='HKCU\Software\Hollin\Lutem Settings Server\User Dictionary'
"$bin/lutem-host" registry --set "$keyboard" ThemeID lutem_dark
"$bin/lutem-host" registry --set "$learned" ami 'x'
out=$("$bin/lutem-host" registry "$keyboard")
grep -q 'ThemeID    REG_SZ    lutem_dark' <<<"$out" || fail "registry --set left '$out'"
"$here/scripts/reset-settings.sh" "$bin"
out=$("$bin/lutem-host" registry "$keyboard")
grep -q 'rootDir    REG_SZ    C:\\Program Files (x86)\\Hollin\\Lutem Keyboard' <<<"$out" ||
  fail "no rootDir after the reset: '$out'"
! grep -q ThemeID <<<"$out" || fail "the reset kept ThemeID: '$out'"
status=0
"$bin/lutem-host" registry "$learned" >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "the reset kept the learned pairs ($status)"
status=0
"$bin/lutem-host" registry --delete 'HKCU' 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "registry --delete of a root key exited $status"
# The word-list model builder: a word it cannot spell fails the build (the
# model would miss a word of the list), and the file is still a model of the
# others; a list it cannot read is named.
words=$LUTEM_SYSTEM_ROOT/words.txt
printf '\xe0\xa6\x86\xe0\xa6\xae\xe0\xa6\xbf\nabc\n' > "$words"
: > "$LUTEM_SYSTEM_ROOT/listed.txt"
status=0
err=$("$bin/lutem-word-model-build" "$words" "$LUTEM_SYSTEM_ROOT/listed.txt" "$folder/Lutem_LM.bin" 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "lutem-word-model-build with an unspellable word exited $status"
grep -q 'no spelling for abc' <<<"$err" || fail "no unspellable-word message: $err"
out=$(printf 'ami\n' | "$bin/lutem-convert" --layout 1 --candidates 2>/dev/null)
[ "$out" = "$(printf '\xe0\xa6\x86\xe0\xa6\xae\xe0\xa6\xbf\tami')" ] || fail "the built model gave '$out'"
err=$(printf 'ami\n' | "$bin/lutem-convert" --layout 1 --candidates 2>&1 >/dev/null)
if grep -q 'no language model' <<<"$err"; then fail "the built model did not load: $err"; fi
status=0
err=$("$bin/lutem-word-model-build" "$words" "$LUTEM_SYSTEM_ROOT/none.txt" "$folder/x.bin" 2>&1) || status=$?
[ "$status" -eq 1 ] && grep -q 'cannot read .*none.txt' <<<"$err" || fail "a missing list: $status '$err'"
status=0
"$bin/lutem-word-model-build" "$words" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "lutem-word-model-build with two arguments exited $status"

echo "check-tools: ok"
