# Sourced by tools/test-all.sh and tools/run.sh.
#
# hold_printers PREFIX BITS EXE: starts EXE (the hold_printers program of the build) in
# the Wine prefix once the CUPS scheduler has no jobs left, until Windows sees every
# queue CUPS lists of the PDF printer's; it then holds Wine's copy of them until
# release_printers. Wine copies the queues as the first process of a prefix loads its
# spooler and drops those CUPS does not list then (as while it works through the jobs of
# the tests before), so each start is one more copy. Returns 1 when none succeeded.
hold_printers() {
  local prefix=$1 bits=$2 exe=$3 queues=() q line fifo attempt
  for q in PDF PDF241x140 PDF241x93; do lpstat -p "$q" >/dev/null 2>&1 && queues+=("$q"); done
  [ ${#queues[@]} -gt 0 ] && [ -f "$exe" ] || return 1
  for attempt in 1 2 3 4 5 6; do
    for _ in $(seq 1 240); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.5; done
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    exec {held_printers}> >(exec bash "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" --prefix "$prefix" \
      --bits "$bits" "$exe" "${queues[@]}" >"$fifo" 2>/dev/null)
    line=""
    read -r -t 120 line <"$fifo" || true
    rm -f "$fifo"
    line=${line%$'\r'}
    [ "$line" = ready ] && return 0
    echo "hold_printers: attempt $attempt: ${line:-no answer}" >&2
    release_printers
    sleep 2
  done
  return 1
}

release_printers() {
  [ -n "${held_printers:-}" ] && exec {held_printers}>&-
  held_printers=""
}
