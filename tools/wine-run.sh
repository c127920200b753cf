#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh [--prefix DIR] [--bits 32|64] PROGRAM [ARGS...]
# The loader follows the program: a 32-bit (i386) exe runs under the 32-bit loader, a
# 64-bit one under wine64; Wine's own programs (regedit, wineboot) under the loader of
# the prefix, or of --bits for a prefix not made yet. The prefix is made on first use
# (serialised by a lock, so parallel tests share it), 32-bit when its first program is
# 32-bit, 64-bit otherwise: keep one prefix per build (a 32-bit prefix cannot run 64-bit
# programs). Without DISPLAY a private virtual display is started for the one program.
#   wine-run.sh --can-run-32   exits 0 when this machine can run the 32-bit loader
set -u
loader32=/usr/lib/wine/wine
loader64=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver

# The 32-bit loader is an i386 Linux program: it needs the wine32 package and a kernel
# that runs 32-bit programs (some machines have that switched off).
if [ "${1:-}" = "--can-run-32" ]; then
  [ -x "$loader32" ] && "$loader32" --version >/dev/null 2>&1
  exit
fi

prefix="${WINEPREFIX:-$HOME/.wine-notewriter}"
if [ "${1:-}" = "--prefix" ]; then prefix=$2; shift 2; fi
wanted=64
if [ "${1:-}" = "--bits" ]; then wanted=$2; shift 2; fi
[ $# -gt 0 ] || { echo "usage: wine-run.sh [--prefix DIR] [--bits 32|64] PROGRAM [ARGS...]" >&2; exit 2; }

# The machine type of a PE file: 32 for i386, 64 for x86-64, nothing for anything else.
pe_bits() {
  [ -f "$1" ] || return
  local at machine
  at=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$at" ] || return
  machine=$(od -An -t x2 -j $((at + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo 32 ;;
    8664) echo 64 ;;
  esac
}

# The architecture an existing prefix was made for.
prefix_bits() {
  if grep -q '^#arch=win32' "$prefix/system.reg" 2>/dev/null; then echo 32; elif [ -f "$prefix/system.reg" ]; then echo 64; fi
}

bits=$(pe_bits "$1")
made=$(prefix_bits)
[ -n "$bits" ] || bits=${made:-$wanted}
if [ "$made" = 32 ] && [ "$bits" = 64 ]; then
  echo "wine-run.sh: $prefix is a 32-bit prefix and cannot run the 64-bit $1" >&2
  exit 1
fi
loader=$loader64
[ "$bits" = 32 ] && loader=$loader32

export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

winepath_of() { echo "Z:${1//\//\\}"; }

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.ready-v3" ]; then
    if [ ! -f "$prefix/system.reg" ]; then
      if [ "$bits" = 32 ]; then
        WINEARCH=win32 "$loader32" wineboot --init >/dev/null 2>&1
      else
        WINEARCH=win64 "$loader64" wineboot --init >/dev/null 2>&1
      fi
    fi
    # The caption buttons draw their symbols from Marlett. Debian ships it (fonts-wine)
    # in Wine's data folder, where this Wine does not look: without a copy in the
    # prefix's Fonts folder the buttons show the letters "0 1 r" instead.
    marlett=/usr/share/wine/fonts/marlett.ttf
    [ -f "$marlett" ] && [ -d "$prefix/drive_c/windows/Fonts" ] && cp -f "$marlett" "$prefix/drive_c/windows/Fonts/marlett.ttf"
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
    [ -f "$prefix/system.reg" ] && touch "$prefix/.ready-v3"
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
    [ -f "$prefix/system.reg" ] && touch "$prefix/.fonts-cjk-v1"
  fi
) 9>"$prefix.lock"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" "$@"
fi
exec "$loader" "$@"
