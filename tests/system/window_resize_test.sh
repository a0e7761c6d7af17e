#!/usr/bin/env bash
# The main window on a real X server: its size hints fix a minimum (the client area below the menu bar) and no
# maximum, so a window manager lets the user resize and maximise it; resized, every control stays where it was and
# as it was (the screenshot of the old client area is unchanged, but for the running clock), and the area that
# opens up is plain window background.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/session.sh"
fail() { echo "FAIL: $*"; exit 1; }
start_user
start_x

start_in_language en "$conwave"
window=$(main_window)
await 30 picture_painted "$window" || fail "the picture was never painted"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
echo "$hints"
read -r width height < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/WIDTH/{w=$2} /HEIGHT/{h=$2} END{print w, h}')
grep -q "program specified minimum size: $width by $height" <<<"$hints" || fail "the minimum size is not the window's size ${width}x$height"
grep -q "maximum size" <<<"$hints" && fail "the window has a maximum size"

menu=$(menu_height "$window")
# The clock label changes every second: it is left out of the comparison.
unclocked() { convert "$1" -crop "${width}x${height}+0+0" +repage -fill black -draw "rectangle 10,$((menu + 76)) 95,$((menu + 100))" "$2"; }
import -window "$window" "$work/before.png"
unclocked "$work/before.png" "$work/before-masked.png"

# The areas that open up when the window grows to 900 x 700: right of the old window, and below it.
opened=("$((900 - width))x$((700 - menu))+$width+$menu" "${width}x$((700 - height))+0+$height")
# The window's background, left of the controls.
background=$(convert "$work/before.png" -format "%[hex:p{2,$((menu + 2))}]" info:)
# True once both show one colour, the window's background: painted after the resize.
opened_plain() {
    import -window "$window" "$work/after.png"
    local area
    for area in "${opened[@]}"; do
        [ "$(convert "$work/after.png" -crop "$area" +repage -format '%k %[hex:p{0,0}]' info:)" = "1 $background" ] ||
            return 1
    done
}

grown() { xdotool getwindowgeometry "$window" | grep -q "Geometry: 900x700"; }
xdotool windowsize "$window" 900 700
await 5 grown || fail "the window did not take the size 900x700"
await 10 opened_plain || fail "the opened areas ${opened[*]} do not show plain background"
unclocked "$work/after.png" "$work/after-masked.png"

changed=$(compare -metric AE "$work/before-masked.png" "$work/after-masked.png" null: 2>&1 || true)
[ "$changed" = "0" ] || fail "$changed pixels of the controls changed when the window grew"
echo "resized from ${width}x$height to 900x700: the controls unchanged, the new area plain background"
