#!/usr/bin/env bash
# Builds the default language model, "Lutem_LM.bin", for Lutem Phonetic:
# every word of the default word list (scripts/default-word-list.sh), reachable
# from the keys users type for it; the words that tesseract-ocr-ben's list of
# current written Bengali also holds cost less. That list only weighs words:
# none of its own words enters the model (it holds misspellings too).
#   scripts/make-default-model.sh BUILD_DIR OUTPUT
# BUILD_DIR: the build tree whose bin/ holds lutem-word-model-build;
# OUTPUT: the enciphered model file.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR OUTPUT" >&2
  exit 2
fi
build_dir=$1
output=$2
traineddata=$(ls /usr/share/tesseract-ocr/*/tessdata/ben.traineddata 2>/dev/null | head -n 1 || true)
if [ -z "$traineddata" ]; then
  echo "$0: ben.traineddata not found (package tesseract-ocr-ben)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The word list is the dictionary graph of the recognizer's LSTM model.
cp "$traineddata" "$work/ben.traineddata"
combine_tessdata -u "$work/ben.traineddata" "$work/ben." >/dev/null 2>&1
dawg2wordlist "$work/ben.lstm-unicharset" "$work/ben.lstm-word-dawg" "$work/written-bengali.txt" >/dev/null 2>&1
"$(dirname "$0")/default-word-list.sh" >"$work/words.txt"
"$build_dir/bin/lutem-word-model-build" "$work/words.txt" "$work/written-bengali.txt" "$output"
