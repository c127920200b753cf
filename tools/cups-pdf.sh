#!/usr/bin/env bash
# Makes a real printer for the printing tests: CUPS with its PDF back end as the default
# queue "PDF", writing every job as a PDF file into one folder.
#   tools/cups-pdf.sh [OUTPUT_DIR]      (default /var/spool/cups-pdf/notewriter)
# Idempotent: packages, the running scheduler and the queue are left alone when present.
# Prints the output folder on success; exits non-zero (with one line why) when CUPS
# cannot be set up here, in which case the printing tests skip themselves.
set -uo pipefail

out=${1:-/var/spool/cups-pdf/notewriter}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
say() { echo "cups-pdf: $*" >&2; }

packages=(cups printer-driver-cups-pdf poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  # The packages' scripts try to start the scheduler through the init system; a
  # container has none, so let them skip that (we start cupsd ourselves below).
  policy=/usr/sbin/policy-rc.d
  made_policy=0
  if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null && $SUDO chmod +x "$policy" && made_policy=1
  fi
  { $SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq &&
      DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
      --no-install-recommends "${missing[@]}"; } >/tmp/cups-pdf-install.log 2>&1
  rc=$?
  [ $made_policy -eq 1 ] && $SUDO rm -f "$policy"
  if [ $rc -ne 0 ]; then say "package installation failed (see /tmp/cups-pdf-install.log)"; exit 1; fi
fi

# Output folder and plain ASCII file names (the job title is the document name).
conf=/etc/cups/cups-pdf.conf
$SUDO mkdir -p "$out"
$SUDO chmod 0777 "$out"
setconf() {  # setconf KEY VALUE: one active "KEY VALUE" line in cups-pdf.conf
  if grep -qE "^[#[:space:]]*$1[[:space:]]" "$conf"; then
    $SUDO sed -i -E "s|^[#[:space:]]*$1[[:space:]].*|$1 $2|" "$conf"
  else
    echo "$1 $2" | $SUDO tee -a "$conf" >/dev/null
  fi
}
if [ -f "$conf" ]; then
  setconf Out "$out"
  setconf AnonDirName "$out"
  setconf Label 0
  setconf TitlePref 1
  setconf Cut -1
  setconf UserUMask 0000
fi

# The scheduler.
if ! pgrep -x cupsd >/dev/null 2>&1; then
  $SUDO mkdir -p /run/cups
  $SUDO cupsd >/dev/null 2>&1 || { say "cupsd would not start"; exit 1; }
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.2
  done
fi
lpstat -r 2>/dev/null | grep -q 'is running' || { say "the CUPS scheduler is not running"; exit 1; }

# The queue, made the default.
if ! lpstat -p PDF >/dev/null 2>&1; then
  $SUDO lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E ||
    { say "lpadmin could not create the PDF queue"; exit 1; }
fi
$SUDO cupsenable PDF 2>/dev/null
$SUDO cupsaccept PDF 2>/dev/null
$SUDO lpadmin -d PDF || { say "lpadmin could not make PDF the default"; exit 1; }
echo "$out"
