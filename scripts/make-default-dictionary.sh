#!/usr/bin/env bash
# Builds the default word dictionary, "lutem_bn-BD.bin", from the default word
# list (scripts/default-word-list.sh) with the given lutem-dict-build.
#   scripts/make-default-dictionary.sh LUTEM-DICT-BUILD OUTPUT
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 LUTEM-DICT-BUILD OUTPUT" >&2
  exit 2
fi
"$(dirname "$0")/default-word-list.sh" | "$1" - "$2"
