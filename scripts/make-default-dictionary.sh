#!/usr/bin/env bash
# Builds the default word dictionary, "lutem_bn-BD.bin", from Debian's Bengali
# hunspell word list (package hunspell-bn) with the given lutem-dict-build.
#   scripts/make-default-dictionary.sh LUTEM-DICT-BUILD OUTPUT
# The list's affix file defines no affix rules, so its entries are the words;
# the first line is the entry count and "/flags" or tab-separated fields
# would follow a word, so both are cut off.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 LUTEM-DICT-BUILD OUTPUT" >&2
  exit 2
fi
tail -n +2 /usr/share/hunspell/bn_BD.dic | sed -e 's/[/\t].*$//' | "$1" - "$2"
