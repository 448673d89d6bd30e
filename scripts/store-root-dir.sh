#!/usr/bin/env bash
# Stores the installation root as "rootDir" under
# HKCU\Software\Hollin\Lutem Keyboard on the stand-in, as the Windows
# installation text tells an installer to: the settings program lists the
# themes of "UI\themes.dov" under it.
#   scripts/store-root-dir.sh [BIN]   BIN: the built programs (build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
"$bin/lutem-host" registry --set 'HKCU\Software\Hollin\Lutem Keyboard' rootDir \
  'C:\Program Files (x86)\Hollin\Lutem Keyboard'
