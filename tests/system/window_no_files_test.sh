#!/usr/bin/env bash
# The window program under strace on a display of its own, with START pressed, a scroll bar clicked and About
# opened during a few seconds of animation: it opens no file for writing outside the toolkit's caches in the user's
# cache folder, changes no file, and opens no network socket (local sockets to the display server and the name
# service are expected). Prints what the toolkit left in the caches, if anything.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/strace_checks.sh"
source "$(dirname "$0")/session.sh"

work=$(mktemp -d)
traced=""
cleanup() {
    [ -n "$traced" ] && kill "$traced" 2>/dev/null || true
    end_session
    rm -rf "$work"
}
trap cleanup EXIT
start_user
start_x

log=$work/strace.log
strace -f -qq -y -e "$STRACE_CALLS" -o "$log" "$conwave" 2>/dev/null &
tracer=$!
window=$(timeout 60 xdotool search --sync --name '^Conwave$' | head -n 1)
traced=$(pgrep -P "$tracer" | head -n 1)

# Window coordinates: START lies 24 to 73 px below the menu bar, whose height the style decides; 65 is inside
# it for any menu bar from 17 to 40 px. The menu item About sits at the left of the menu bar.
xdotool mousemove --window "$window" 48 65 click 1
sleep 1
xdotool mousemove --window "$window" 388 45 click 1 # the right arrow of the Mach scroll bar
sleep 1
xdotool mousemove --window "$window" 20 8 click 1
sleep 2
kill -TERM "$traced"
wait "$tracer" || true
traced=""

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
