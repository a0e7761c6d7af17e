#!/usr/bin/env bash
# The window program under strace on a display of its own, with START pressed, a scroll bar clicked and About
# opened, each seen to take effect: it opens no file for writing outside the toolkit's caches in the user's
# cache folder, changes no file, and opens no network socket (local sockets to the display server and the name
# service are expected). Prints what the toolkit left in the caches, if anything.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/strace_checks.sh"
source "$(dirname "$0")/session.sh"
start_user
start_x

log=$work/strace.log
strace -f -qq -y -e "$STRACE_CALLS" -o "$log" "$conwave" 2>/dev/null &
tracer=$!
window=$(main_window)
traced=$(pgrep -P "$tracer" | head -n 1)
session_pids+=("$traced")

# Each click is checked by what it does: START draws wavefronts, the scroll bar writes a new M, About opens; and
# the clock moves on meanwhile.
client_part "$window" "${clock_label[@]}" >"$work/clock.png"
click_until "$window" "${start_button[@]}" shows_wavefronts "$window"
client_part "$window" "${mach_text[@]}" >"$work/mach.png"
click_until "$window" "${mach_bar_right[@]}" part_differs "$window" "${mach_text[@]}" "$work/mach.png"
click_until "$window" "${menu_about[@]}" about_shown
await 10 part_differs "$window" "${clock_label[@]}" "$work/clock.png" || { echo "the clock stands still"; exit 1; }
stop "$traced"
wait "$tracer" || true

grep -q 'execve(' "$log" || { echo "strace recorded nothing"; exit 1; }
status=0
caches="\"$HOME/\\.cache/|<$HOME/\\.cache/"
files_opened_for_writing "$log" "$caches|\"/dev/null\"" || status=1
files_changed "$log" "$caches|\"$HOME/\\.cache\"" || status=1
sockets_opened "$log" 'socket\(AF_UNIX,' || status=1
echo "local sockets connected to:"
grep -oE 'connect\([^,]*, \{sa_family=AF_UNIX, sun_path=[^}]*\}' "$log" | sed -E 's/.*sun_path=/  /' | sort | uniq -c
cached=$(cd "$HOME" && find . -type f | sort)
echo "left in the user's folders: ${cached:-nothing}"
[ "$status" -eq 0 ] && echo "conwave: files written 0, files changed 0, network sockets opened 0"
exit "$status"
