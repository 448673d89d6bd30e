#!/usr/bin/env bash
# Installs every Debian package the project needs, builds it, and runs the
# main job: a few key buffers converted by lutem-convert.
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

if [ "${1:-}" != "--no-run" ]; then
  echo "== lutem-convert --layout 1 (Lutem Phonetic) =="
  printf 'ami banglay gan gai\nshri\nkrittrim\n' | build/bin/lutem-convert --layout 1
fi
