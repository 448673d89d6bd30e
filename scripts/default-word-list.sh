#!/usr/bin/env bash
# Prints the default word list, one word a line: Debian's Bengali hunspell
# list (package hunspell-bn). The list's affix file defines no affix rules, so
# its entries are the words; the first line is the entry count and "/flags"
# or tab-separated fields would follow a word, so both are cut off.
set -euo pipefail
tail -n +2 /usr/share/hunspell/bn_BD.dic | sed -e 's/[/\t].*$//'
