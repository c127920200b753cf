#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh [--prefix DIR] PROGRAM [ARGS...]
# The prefix is made on first use (serialised by a lock, so parallel tests share it).
# Without DISPLAY a private virtual display is started for the one program.
set -u
prefix="${WINEPREFIX:-$HOME/.wine-notewriter}"
if [ "${1:-}" = "--prefix" ]; then prefix=$2; shift 2; fi

loader=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.ready" ]; then
    "$loader" wineboot --init >/dev/null 2>&1
    "$server" -w
    touch "$prefix/.ready"
  fi
) 9>"$prefix.lock"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" "$@"
fi
exec "$loader" "$@"
