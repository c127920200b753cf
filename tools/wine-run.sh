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

# The fonts of a prefix: the text of a .reg file (regedit is given it as UTF-16, for the
# Chinese names).
# Every face the program and Wine's own windows ask for (宋体 for the program, Tahoma and
# MS Shell Dlg for menus, captions and dialogs) is replaced by WenQuanYi Zen Hei Sharp,
# and Chinese text in the Latin faces (printed page numbers in Arial) links to it. The
# Sharp face of tools/setup.sh's wqy-zenhei.ttc carries hand-made bitmaps for 12 to 16
# pixels, so 9 pt text shows every stroke as a Chinese system's 宋体 does. The plain
# WenQuanYi Zen Hei drops strokes there ("打印" reads "打EII"): its gasp table asks for
# unsmoothed outlines up to 16 pixels, and Wine honours that whatever the prefix's
# FontSmoothing says, so anti-aliasing settings cannot mend it.
font_settings() {
  local face="WenQuanYi Zen Hei Sharp" file=wqy-zenhei.ttc f
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for f in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI" \
    宋体 新宋体 SimSun NSimSun 黑体 SimHei 微软雅黑 "Microsoft YaHei"; do
    printf '"%s"="%s"\r\n' "$f" "$face"
  done
  printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
  for f in Tahoma "Microsoft Sans Serif" Arial "Times New Roman" "Courier New"; do
    printf '"%s"=hex(7):' "$f"
    printf '%s,%s\0\0' "$file" "$face" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 |
      tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /,/g'
    printf '\r\n'
  done
}

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  # The marker names what a prefix has been given: change it with the set-up below, and
  # prefixes made before get the new set-up on their next use.
  if [ ! -f "$prefix/.ready-v4" ]; then
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
    fonts=$(mktemp --suffix=.reg)
    font_settings | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$fonts"
    "$loader" regedit /S "$(winepath_of "$fonts")" >/dev/null 2>&1
    rm -f "$fonts"
    "$server" -w
    # Wine has written the registry when its server ends: a prefix without the fonts
    # stays unmarked, so the next use tries again.
    grep -q 'Zen Hei Sharp' "$prefix/user.reg" 2>/dev/null && touch "$prefix/.ready-v4"
  fi
) 9>"$prefix.lock"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" "$@"
fi
exec "$loader" "$@"
