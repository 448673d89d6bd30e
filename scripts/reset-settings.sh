#!/usr/bin/env bash
# Puts the stand-in's stored settings and learned pairs back to a fresh
# installation's: removes HKCU\Software\Hollin\Lutem Keyboard (the settings)
# and HKCU\Software\Hollin\Lutem Settings Server (the learned user
# dictionary), then stores "rootDir" again as setup.sh does. The input
# method stays registered. Stop a running settings server first: it keeps
# what it has read and would write it back.
#   scripts/reset-settings.sh [BIN]   BIN: the built programs (build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
"$bin/lutem-host" registry --delete 'HKCU\Software\Hollin\Lutem Keyboard'
"$bin/lutem-host" registry --delete 'HKCU\Software\Hollin\Lutem Settings Server'
scripts/store-root-dir.sh "$bin"
