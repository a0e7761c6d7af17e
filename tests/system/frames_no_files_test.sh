#!/usr/bin/env bash
# conwave-frames, CSV, SVG and HTML, refused and misused, under strace: it writes only stdout and stderr, opens no file
# for writing, changes no file and opens no socket.
set -euo pipefail
frames=$1
source "$(dirname "$0")/strace_checks.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
for args in "1.2 4 1" "--ticks 500 3 30 4" "--svg --ticks 3 2 4 1" "--svg --print -2 4 1" "--html 1.2 4 1" "--age --digits 3 --decimal-comma 1 4 1" "1 0 1" "--bad"; do
    # shellcheck disable=SC2086 # the words of $args are the arguments
    strace -f -qq -y -e "$STRACE_CALLS" -o "$log" "$frames" $args >/dev/null 2>&1 || true
    grep -q "execve(" "$log" || { echo "strace recorded nothing for: $args"; exit 1; }
    files_opened_for_writing "$log" || status=1
    files_changed "$log" || status=1
    sockets_opened "$log" || status=1
    writes_beyond_stdio "$log" || status=1
done
[ "$status" -eq 0 ] && echo "conwave-frames: files written 0, files changed 0, sockets opened 0"
exit "$status"
