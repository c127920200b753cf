#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need, and puts
# SQLite's pinned amalgamation (for the Windows builds) into build/deps.
# Idempotent: packages already present are skipped, apt runs only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make git ccache
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 wine32:i386 fonts-wine xvfb xauth x11-utils fonts-wqy-zenhei imagemagick
  clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  libswe-dev swe-basic-data
  libsqlite3-dev
  python3 locales
  cups printer-driver-cups-pdf poppler-utils
  # The server book: PostgreSQL for the tests' private cluster, ODBC and its driver.
  postgresql unixodbc unixodbc-dev odbc-postgresql
  # Wine finds printers through the CUPS client library, loaded at run time by the loader
  # itself: the 32-bit loader needs the i386 one, or it sees no printer at all.
  libcups2:i386
  # The 32-bit Wine's odbc32 hands calls to the host's unixODBC: it needs the i386 one and
  # the i386 driver.
  libodbc2:i386 libodbcinst2:i386 odbc-postgresql:i386
)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

missing=()
missing32=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' && continue
  case $p in *:i386) missing32+=("$p") ;; *) missing+=("$p") ;; esac
done
# npm fetches the amalgamation's package; Debian's npm only where no npm came with Node.js.
command -v npm >/dev/null || missing+=(npm)

suite=()
install() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${suite[@]}" "$@"; }

if [ $((${#missing[@]} + ${#missing32[@]})) -gt 0 ]; then
  echo "setup: installing ${missing[*]} ${missing32[*]}"
  # The 32-bit Wine loader (for the 32-bit build) is an i386 package.
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  # A mirror caught mid-sync fails one index while the rest load. The i386 libraries must
  # match their amd64 twins version for version, and with one architecture's security list
  # missing only the release's own suite has both: then everything comes from it.
  if ! $SUDO apt-get update -qq; then
    echo "setup: some package lists did not update; installing from the release suite"
    suite=(-t bookworm)
  fi
  [ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
fi

# Apart, so that a 32-bit loader that cannot be had leaves the rest of the set-up working.
if [ ${#missing32[@]} -gt 0 ]; then
  install "${missing32[@]}" ||
    echo "setup: WARNING: the 32-bit Wine loader could not be installed; 32-bit tests will not run"
fi

# tools/run.sh starts the program in a Chinese locale, as on a Chinese PC. Listed in
# locale.gen, the locale survives the next locale-gen (a locales upgrade runs one).
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  grep -qE '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

bash "$(dirname "$0")/sqlite-amalgamation.sh"
