#!/usr/bin/env bash
# Makes a real printer for the printing tests: CUPS with its PDF back end as the default
# queue "PDF", writing every job as a PDF file into one folder, and two more queues of
# the same kind whose default paper is the continuous 241 mm paper cut in two
# ("PDF241x140", 241 x 140 mm) and in three ("PDF241x93", 241 x 93 mm).
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

# The PDF driver's description with the 241 mm papers added, one of them the default.
# Sizes in points: 241 mm = 683, 280 mm = 794, 140 mm = 397, 93 mm = 264.
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
paper_ppd() {  # paper_ppd DEFAULT_NAME > file
  local sizes=("241x280mm 683 794" "241x140mm 683 397" "241x93mm 683 264") lines="" name w h
  for entry in "${sizes[@]}"; do
    read -r name w h <<<"$entry"
    lines+="*PageSize $name/$name: \"<</PageSize[$w $h]/ImagingBBox null>>setpagedevice\"\n"
    lines+="*PageRegion $name/$name: \"<</PageSize[$w $h]/ImagingBBox null>>setpagedevice\"\n"
    lines+="*ImageableArea $name/$name: \"0 0 $w $h\"\n"
    lines+="*PaperDimension $name/$name: \"$w $h\"\n"
  done
  awk -v add="$lines" -v def="$1" '
    BEGIN { n = split(add, extra, "\n") }
    /^\*Default(PageSize|PageRegion|ImageableArea|PaperDimension):/ { sub(/: .*/, ": " def) }
    { print }
    /^\*(PageSize|PageRegion|ImageableArea|PaperDimension) A5\/A5:/ {
      split($0, key, " "); for (i = 1; i <= n; i++) if (index(extra[i], key[1] " ") == 1) print extra[i]
    }' "$ppd"
}
for size in 241x140 241x93; do
  queue=PDF$size
  if ! lpstat -p "$queue" >/dev/null 2>&1; then
    made=$(mktemp /tmp/notewriter-ppd.XXXXXX)
    paper_ppd "${size}mm" >"$made"
    $SUDO lpadmin -p "$queue" -v cups-pdf:/ -P "$made" -E ||
      { rm -f "$made"; say "lpadmin could not create the $queue queue"; exit 1; }
    rm -f "$made"
  fi
  $SUDO cupsenable "$queue" 2>/dev/null
  $SUDO cupsaccept "$queue" 2>/dev/null
done
echo "$out"
