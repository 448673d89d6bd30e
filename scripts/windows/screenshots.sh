#!/usr/bin/env bash
# Runs one windowed Windows program under Wine on a screen of its own (Xvfb,
# with xcompmgr for the alpha blending of layered windows) and takes the
# pictures it asks for.
#   scripts/windows/screenshots.sh [--dpi N] OUTDIR PROGRAM.exe [ARGS...]
# The program prints "LUTEM SCREEN READY name" when what it shows is drawn;
# the whole screen is then saved as OUTDIR/name.png and one line is written
# to the program's standard input, which it reads before it goes on. A
# rectangle after the name, "WxH+X+Y" in screen pixels, keeps only that part
# of the screen. It may ask for several pictures. The run fails unless the
# program ends with code 0 within LUTEM_SCREEN_TIMEOUT seconds (default 120)
# having asked for at least one picture: a program that Wine cannot run (a
# 32-bit one without wine32) ends with code 0 and prints nothing.
# WINEPREFIX names the prefix. Wine's desktop belongs to the screen of the
# first windowed program of a wineserver, so the prefix's wineserver is
# ended before and after. --dpi sets the prefix's screen resolution first
# (96 is Windows' default).
set -euo pipefail
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}

# What runs on the Xvfb screen (xvfb-run sets DISPLAY): this script again.
on_screen() {
  local outdir=$1
  shift
  local work
  work=$(mktemp -d "${TMPDIR:-/tmp}/lutem-screen.XXXXXX")
  xcompmgr >/dev/null 2>&1 &
  local compositor=$!
  mkfifo "$work/input"
  "$wine" "$@" < "$work/input" > "$work/output" 2> "$work/errors" &
  local program=$!
  # Held open here, so the program's input neither ends nor blocks its start.
  exec 3> "$work/input"
  local taken=0 deadline=$((SECONDS + ${LUTEM_SCREEN_TIMEOUT:-120})) status=0
  local asked count name area
  while :; do
    asked=$(tr -d '\r' < "$work/output" |
            sed -n 's/^LUTEM SCREEN READY \([A-Za-z0-9._-]*\)\( [0-9]*x[0-9]*+[0-9]*+[0-9]*\)\{0,1\}$/\1\2/p')
    count=$(printf '%s' "$asked" | grep -c . || true)
    while [ "$taken" -lt "$count" ]; do
      taken=$((taken + 1))
      read -r name area <<<"$(printf '%s\n' "$asked" | sed -n "${taken}p")"
      import -window root ${area:+-crop "$area" +repage} "$outdir/$name.png"
      echo >&3
    done
    if ! kill -0 "$program" 2>/dev/null; then break; fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "screenshots: $1 did not end within ${LUTEM_SCREEN_TIMEOUT:-120} s" >&2
      kill "$program" 2>/dev/null || true
      break
    fi
    sleep 0.2
  done
  wait "$program" || status=$?
  exec 3>&-
  kill "$compositor" 2>/dev/null || true
  if [ "$status" -ne 0 ] || [ "$taken" -eq 0 ]; then
    echo "screenshots: $1 ended with code $status after $taken picture(s)" >&2
    sed 's/^/  | /' "$work/output" "$work/errors" >&2
    status=1
  fi
  rm -rf "$work"
  return "$status"
}
if [ "${1:-}" = "--on-screen" ]; then
  shift
  on_screen "$@"
  exit
fi

dpi=""
if [ "${1:-}" = "--dpi" ]; then
  dpi=$2
  shift 2
fi
if [ $# -lt 2 ] || [ -z "${WINEPREFIX:-}" ]; then
  echo "usage: WINEPREFIX=... $0 [--dpi N] OUTDIR PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
outdir=$(realpath -m "$1")
shift
mkdir -p "$outdir"
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
if [ -n "$dpi" ]; then
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  "$wineserver" -w
fi
status=0
xvfb-run -a -s "-screen 0 1280x800x24" "$0" --on-screen "$outdir" "$@" || status=$?
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
exit "$status"
