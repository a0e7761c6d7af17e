#!/usr/bin/env bash
# What the About window asks of an X11 window manager: its Motif hints allow moving, resizing and closing but
# neither minimising nor maximising, and offer no buttons for them; the main window keeps both.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/session.sh"
start_desktop
start_in_language en "$conwave" 2>/dev/null

main=$(main_window)
click_until "$main" "${menu_about[@]}" about_shown || { echo "FAIL: About did not open"; exit 1; }
about=$(xdotool search --onlyvisible --name '^About$' | head -n 1)

# _MOTIF_WM_HINTS = flags, functions, decorations, ...: functions 0x8 minimise, 0x10 maximise, 0x20 close;
# decorations 0x20 minimise button, 0x40 maximise button.
hints() { xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ' '; }
status=0
check() { # window name, functions mask, expected, decorations mask, expected
    local fields functions decorations
    IFS=, read -r -a fields <<<"$(hints "$1")"
    functions=$((fields[1] & $3)) decorations=$((fields[2] & $5))
    if [ "$functions" -ne "$4" ] || [ "$decorations" -ne "$6" ]; then
        echo "FAIL: $2 has _MOTIF_WM_HINTS $(hints "$1")"
        status=1
    fi
}
check "$about" About $((0x8 | 0x10)) 0 $((0x20 | 0x40)) 0
check "$about" "About's close" $((0x20)) $((0x20)) 0 0
check "$main" "the main window" $((0x8 | 0x10)) $((0x8 | 0x10)) $((0x20 | 0x40)) $((0x20 | 0x40))
[ "$status" -eq 0 ] && echo "About: no minimise or maximise for the window manager; the main window has both"
exit "$status"
