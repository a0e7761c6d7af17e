#!/usr/bin/env bash
# Conwave as a native Wayland client (qt6-wayland) on Weston's headless backend: its main window is an xdg-shell
# toplevel titled "Conwave" whose app_id is the desktop entry's id, and after START it animates. The client's
# protocol log (WAYLAND_DEBUG) shows what it asks of the compositor; the animation shows as a stream of committed
# frames, where before START only the clock commits, once a second. START is pressed through the accessibility
# bus, as a keyboard or a screen reader user would press it: the headless compositor has no input devices.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/session.sh"

start_user
start_buses
weston --backend=headless-backend.so --shell=desktop-shell.so --socket=wayland-conwave --no-config --idle-time=0 \
    --width=1024 --height=768 >"$work/weston.log" 2>&1 &
session_pids+=($!)
await 10 test -S "$XDG_RUNTIME_DIR/wayland-conwave" || { cat "$work/weston.log"; echo "FAIL: weston did not start"; exit 1; }

log=$work/client.log
start_in_language en env -u DISPLAY WAYLAND_DISPLAY=wayland-conwave QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$conwave" 2>"$log"

status=0
fail() { echo "FAIL: $*"; status=1; }
# Waits up to 10 s for a line of the log that matches.
await_line() {
    await 10 grep -qE -e "$1" "$log"
}

await_line '-> xdg_toplevel@[0-9]+\.set_title\("Conwave"\)' || fail "no xdg-shell toplevel titled Conwave"
toplevel=$(grep -oE -- '-> xdg_toplevel@[0-9]+\.set_title\("Conwave"\)' "$log" | head -n 1 | grep -oE '@[0-9]+' || true)
grep -qE -- "-> xdg_toplevel$toplevel\.set_app_id\(\"org\.example\.conwave\"\)" "$log" ||
    fail "the toplevel's app_id is not org.example.conwave: $(grep -oE 'set_app_id\([^)]*\)' "$log" | head -n 1)"
# The toplevel's surface: the one its xdg_surface was made for.
xdg_surface=$(grep -oE -- "-> xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel$toplevel\)" "$log" |
    grep -oE '^-> xdg_surface@[0-9]+' | grep -oE '@[0-9]+' || true)
surface=$(grep -oE -- "get_xdg_surface\(new id xdg_surface$xdg_surface, wl_surface@[0-9]+\)" "$log" |
    grep -oE 'wl_surface@[0-9]+' || true)
[ -n "$surface" ] || fail "no surface for the toplevel"
echo "toplevel xdg_toplevel$toplevel on $surface"

commits() { grep -cE -- "-> $surface\.commit\(\)" "$log" || true; }

await_line "-> $surface\.commit\(\)" || fail "the window never committed a frame"
# Before START only the clock commits, once a second: from one change of the clock to the next a few commits at
# most, however busy the machine; the animation would commit a frame every tick.
if idle=$("$python" "$here/accessibility_client.py" --clock-second "$log" "-> $surface\.commit\(\)"); then
    [ "$idle" -le 5 ] || fail "the window commits $idle frames in a second of its clock before START"
else
    fail "$idle"
fi
# After START every tick commits a frame: 25 frames come within a second at 40 ms a tick, and within the 10 s
# allowed here on a machine too busy to keep that pace; the clock alone would take 25 s.
before=$(commits)
"$python" "$here/accessibility_client.py" --press-start || fail "START could not be pressed"
started=$SECONDS
animating() { [ $(($(commits) - before)) -ge 25 ]; }
await 10 animating || fail "the window commits only $(($(commits) - before)) frames in 10 s after START"
echo "frames committed: $idle in a second of the clock before START; 25 within $((SECONDS - started)) s after"

# About: a toplevel of its own, without a parent (no owner window), with the same app_id. Qt 6.4 draws its title
# bar on Weston itself, with its one decoration, which shows minimise and maximise on every window whatever its
# flags; the flags the window asks for are those X11 window managers get (about_hints_test.sh).
"$python" "$here/accessibility_client.py" --open-about || fail "About could not be chosen"
await_line '-> xdg_toplevel@[0-9]+\.set_title\("About"\)' || fail "no xdg-shell toplevel titled About"
about=$(grep -oE -- '-> xdg_toplevel@[0-9]+\.set_title\("About"\)' "$log" | head -n 1 | grep -oE '@[0-9]+' || true)
grep -qE -- "-> xdg_toplevel$about\.set_parent\(xdg_toplevel" "$log" && fail "the About toplevel has a parent"
grep -qE -- "-> xdg_toplevel$about\.set_app_id\(\"org\.example\.conwave\"\)" "$log" || fail "About's app_id"
[ "$status" -eq 0 ] && echo "Conwave is a Wayland toplevel titled Conwave, app_id org.example.conwave, animating;" \
    "About is a toplevel of its own"
exit "$status"
