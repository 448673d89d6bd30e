#!/usr/bin/env bash
# Installs every Debian package the project needs, builds it, and runs the
# main job: a user typing in an application through the registered input
# method (lutem-host), then a few key buffers converted by the engine's own
# tool, lutem-convert. It also builds the default word dictionary into the
# data folder (see dictionaries_dir).
#   ./setup.sh            install, build, run
#   ./setup.sh --no-run   install and build only
set -euo pipefail
cd "$(dirname "$0")"

packages=$(grep -v '^#' scripts/packages.txt | tr '\n' ' ')
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $packages >/dev/null

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

# Everything that stands for drive C: lives under LUTEM_SYSTEM_ROOT; the data
# folder is the one the input method reads under the 32-bit Program Files,
# as the stand-in computes it (one source of truth: lutem-data-folder).
dictionaries_dir() {
  build/bin/lutem-data-folder
}

# The default word dictionary, from Debian's Bengali hunspell list.
dict_dir="$(dictionaries_dir)"
mkdir -p "$dict_dir"
scripts/make-default-dictionary.sh build/bin/lutem-dict-build "$dict_dir/lutem_bn-BD.bin"
# The default language model of Lutem Phonetic, over the same words.
scripts/make-default-model.sh build "$dict_dir/Lutem_LM.bin"

# The candidate window's themes, in the "UI" folder of the installation root,
# which also holds the data folder; the input method reads the theme named by
# the ThemeID setting from there.
ui_dir="$(dirname "$dict_dir")/UI"
mkdir -p "$ui_dir"
cp data/UI/themes.dov "$ui_dir/themes.dov"

# The settings program and its licence text, in the installation root, where
# the settings server starts it for "Settings..." and "About Lutem".
install_root="$(dirname "$dict_dir")"
cp build/bin/LutemSettings "$install_root/LutemSettings.exe"
cp src/LutemSettings/EULA.rtf "$install_root/EULA.rtf"
# The installation root recorded as an installer records it ("rootDir").
scripts/store-root-dir.sh build/bin

if [ "${1:-}" != "--no-run" ]; then
  # The input method registered on the stand-in, then typed into: "ami",
  # "bangla", the second candidate of the last word committed with Enter.
  build/bin/lutem-host register
  echo "== lutem-host --layout 1 (typing in Lutem Phonetic) =="
  build/bin/lutem-host --layout 1 'ami{Space}bangla{Down}{Enter}'
  echo "== lutem-convert --layout 1 (Lutem Phonetic) =="
  printf 'ami banglay gan gai\nshri\nkrittrim\n' | build/bin/lutem-convert --layout 1
  # Layout 1 takes its words from the default language model; the other
  # layouts search the dictionary.
  echo "== lutem-convert --layout 1 --candidates (Lutem Phonetic, default model) =="
  printf 'bishwas\nami\nkotha\n' | build/bin/lutem-convert --layout 1 --candidates
  echo "== lutem-convert --layout 3 --candidates (Avro Phonetic, default dictionary) =="
  printf 'bangla\nkotha\n' | build/bin/lutem-convert --layout 3 --candidates
fi
