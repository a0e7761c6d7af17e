#!/usr/bin/env bash
# valgrind memcheck over the frame driver and a short run of the window program (on a private X server, until START
# has drawn wavefronts, then ended as a session ends it, with SIGTERM): no block definitely lost from the project's
# own code.
# Losses that the toolkit's libraries allocate are counted but do not fail the test.
set -euo pipefail
frames=$1
conwave=$2
source "$(dirname "$0")/session.sh"

memcheck=(valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --num-callers=40)
status=0

# Definitely lost blocks that the project's code allocated: the first caller of the allocator is in a file of
# ours (with its line, from the debug information), not "(in /usr/lib/...)". A block that fontconfig allocates
# while Qt lays out a caption for us is fontconfig's.
own_losses() {
    awk '/definitely lost in loss record/ {block = $0; first = ""; keep = 1; next}
         keep && /^==[0-9]+== *$/ {if (first != "" && first !~ /\(in \//) print block; keep = 0; next}
         keep {block = block "\n" $0; if (first == "" && $0 ~ / by 0x/) first = $0}' "$1"
}

"${memcheck[@]}" --log-file="$work/frames.log" "$frames" --ticks 50 3 30 4 >/dev/null
"${memcheck[@]}" --log-file="$work/svg.log" "$frames" --svg 1.2 4 1 >/dev/null
"${memcheck[@]}" --log-file="$work/refused.log" "$frames" 1 0 1 >/dev/null 2>&1 || true
for log in frames svg refused; do
    if ! grep -qE 'definitely lost: 0 bytes|All heap blocks were freed' "$work/$log.log"; then
        echo "conwave-frames ($log) lost memory:"
        grep -A40 'definitely lost in loss record' "$work/$log.log"
        status=1
    fi
done

# The window on a private X server, ended once START has been seen to draw wavefronts.
start_user
start_x
"${memcheck[@]}" --log-file="$work/window.log" "$conwave" >/dev/null 2>&1 &
runner=$!
window=$(main_window)
click_until "$window" "${start_button[@]}" shows_wavefronts "$window" || status=1
kill -TERM "$runner"
wait "$runner" || true
grep -q 'HEAP SUMMARY' "$work/window.log" || { echo "valgrind wrote no summary for the window"; cat "$work/window.log"; exit 1; }
echo "window: $(grep -E 'definitely lost:' "$work/window.log" | sed -E 's/^==[0-9]+== +//')"
own=$(own_losses "$work/window.log")
if [ -n "$own" ]; then
    echo "the window program lost memory in its own code:"
    printf '%s\n' "$own"
    status=1
fi
[ "$status" -eq 0 ] && echo "no block definitely lost from the project's own code"
exit "$status"
