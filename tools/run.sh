#!/usr/bin/env bash
# Sets up the machine, builds the program (64-bit into build/win64, 32-bit into
# build/win32) and starts the release (32-bit) one under Wine where this machine can run
# 32-bit programs, the 64-bit one otherwise; it says which.
#
# With a display (DISPLAY set) the program runs on it until you close it. Without one,
# a virtual display is started; once the main window is up a screenshot of it is saved
# to build/notewriter.png (the path is printed) and the program is closed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash tools/setup.sh
# A printer to print the note to: CUPS with its PDF queue, as the printing tests use.
if out=$(bash tools/cups-pdf.sh); then
  echo "printing goes to the PDF printer \"PDF\": files in $out"
else
  echo "no PDF printer (see above): the program prints to the machine's own printers only"
fi

jobs=$(nproc)
build() {  # build DIR [cmake args...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
  cmake --build "$dir" -j "$jobs" --target NoteWriter hold_printers
}
mkdir -p build
build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release
echo "built build/win32/app/NoteWriter.exe and build/win64/app/NoteWriter.exe"
if bash tools/wine-run.sh --can-run-32; then
  bits=32
  echo "starting the 32-bit release program (build/win32) under the 32-bit Wine loader"
else
  bits=64
  echo "this machine cannot run 32-bit programs: starting the 64-bit build (build/win64)"
fi
exe=build/win$bits/app/NoteWriter.exe

# The program runs as on a Chinese PC: Wine takes the Windows locale from the Unix one,
# so dates read 2026/12/9 and the common dialogs speak Chinese (tools/setup.sh generates
# the locale). The tests keep the machine's locale, which shows the program does not
# depend on it.
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8

# For a display without a window manager, windows that Wine frames itself. The fonts
# are the prefix's own (tools/wine-run.sh), the same as the tests get.
apply_settings() {  # apply_settings PREFIX unmanaged(0|1)
  local prefix=$1 unmanaged=$2 reg
  reg=$(mktemp --suffix=.reg)
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="%s"\r\n' \
    "$([ "$unmanaged" = 1 ] && echo N || echo Y)" >"$reg"
  bash tools/wine-run.sh --prefix "$prefix" --bits "$bits" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || true
  rm -f "$reg"
}
winepath_of() { echo "Z:${1//\//\\}"; }

if [ -n "${DISPLAY:-}" ]; then
  # One prefix per architecture: wine-run.sh makes it 32-bit for the 32-bit program.
  prefix="${WINEPREFIX:-$HOME/.wine-notewriter}"
  [ "$bits" = 32 ] && prefix="$prefix-32"
  apply_settings "$prefix" 0
  # The printers are copied from CUPS once, on an idle scheduler, and that copy held
  # while the program runs (tools/hold-printers.sh says why).
  source tools/hold-printers.sh
  hold_printers "$prefix" "$bits" "build/win$bits/tools/hold_printers.exe" ||
    echo "Windows does not see the CUPS PDF printer: the program prints to the other printers only"
  status=0
  ( [ -z "${held_printers:-}" ] || exec {held_printers}>&-
    exec bash tools/wine-run.sh --prefix "$prefix" "$exe" ) || status=$?
  release_printers
  exit $status
fi

# No display: a virtual one, a private prefix, a screenshot of the main window.
prefix="$top/build/wineprefix-screenshot-$bits"
apply_settings "$prefix" 1
shot="$top/build/notewriter.png"
rm -f "$shot"
export exe shot prefix top
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  set -u
  bash "$top/tools/wine-run.sh" --prefix "$prefix" "$exe" &
  pid=$!
  geometry=""
  for _ in $(seq 1 120); do
    geometry=$(xwininfo -root -tree 2>/dev/null | grep "青禾简易表格生成器" | grep -oE "[0-9]+x[0-9]+\+[0-9]+\+[0-9]+" | head -1 || true)
    [ -n "$geometry" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  if [ -z "$geometry" ]; then
    echo "the main window did not come up" >&2
    kill "$pid" 2>/dev/null
    exit 1
  fi
  sleep 2  # let it paint
  import -window root -crop "$geometry" +repage "$shot"
  kill "$pid" 2>/dev/null
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
'
[ -f "$shot" ] || { echo "no screenshot was taken" >&2; exit 1; }
echo "screenshot of the main window: $shot"
