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

winepath_of() { echo "Z:${1//\//\\}"; }

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.ready-v2" ]; then
    "$loader" wineboot --init >/dev/null 2>&1
    # Wine's own UI fonts (menus, captions, message boxes) have no Chinese glyphs:
    # let the CJK font installed by tools/setup.sh stand in for them.
    fonts=$(mktemp --suffix=.reg)
    {
      echo 'REGEDIT4'
      echo
      echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
      for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI" SimSun NSimSun; do
        echo "\"$face\"=\"WenQuanYi Zen Hei\""
      done
    } >"$fonts"
    "$loader" regedit /S "$(winepath_of "$fonts")" >/dev/null 2>&1
    rm -f "$fonts"
    "$server" -w
    touch "$prefix/.ready-v2"
  fi
  if [ ! -f "$prefix/.fonts-cjk-v1" ]; then
    # The Chinese faces the program asks for by name (宋体, 黑体), and Chinese text in
    # Arial (printed page numbers), reach the CJK font as they would on a Chinese system.
    fonts=$(mktemp --suffix=.reg)
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      for face in 宋体 新宋体 黑体 SimHei; do printf '"%s"="WenQuanYi Zen Hei"\r\n' "$face"; done
      printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
      for face in Arial "Times New Roman" "Courier New"; do
        printf '"%s"=hex(7):' "$face"
        printf 'wqy-zenhei.ttc,WenQuanYi Zen Hei\0\0' | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 |
          tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /,/g'
        printf '\r\n'
      done
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$fonts"
    "$loader" regedit /S "$(winepath_of "$fonts")" >/dev/null 2>&1
    rm -f "$fonts"
    "$server" -w
    touch "$prefix/.fonts-cjk-v1"
  fi
) 9>"$prefix.lock"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" "$@"
fi
exec "$loader" "$@"
