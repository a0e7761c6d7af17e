# A private desktop for a system test: its own X server (Xvfb), session bus and accessibility bus, each started
# here and stopped by its process id when the test ends. Sourced by the tests beside it, it makes the test's
# temporary folder `work` (unless the script has one) and removes it, with everything started, when the test ends.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${work:=$(mktemp -d)}"
session_pids=()
trap 'end_session; rm -rf "$work"' EXIT

# Debian's own Python holds pyatspi, whichever python3 comes first on the path.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

# Runs a command until it succeeds, for up to the given seconds; fails when it never did.
await() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Waits up to 10 s for a file to have content.
await_file() {
    await 10 test -s "$1" || { echo "nothing appeared in $1"; return 1; }
}

gone() { ! kill -0 "$1" 2>/dev/null; }

# Stops a process started here and forgets it: SIGTERM, and SIGKILL if it has not ended within 10 s (Orca now and
# then hangs in its shutdown).
stop() {
    local pid=$1 kept=() p
    kill "$pid" 2>/dev/null || true
    await 10 gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    for p in "${session_pids[@]}"; do [ "$p" = "$pid" ] || kept+=("$p"); done
    session_pids=("${kept[@]}")
}

# Stops what the test started, last started first.
end_session() {
    while [ ${#session_pids[@]} -gt 0 ]; do stop "${session_pids[-1]}"; done
}

# A fresh user with a home and a private runtime folder, as a desktop session has them, in English unless a test
# starts a program in another language.
start_user() {
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime LANG=C.UTF-8
    unset XDG_CACHE_HOME XDG_CONFIG_HOME XDG_DATA_HOME QT_QPA_PLATFORM WAYLAND_DISPLAY LANGUAGE LC_ALL LC_MESSAGES
    mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
}

start_x() {
    Xvfb -displayfd 5 -noreset -nolisten tcp -screen 0 1024x768x24 5>"$work/display" 2>/dev/null &
    session_pids+=($!)
    await_file "$work/display"
    export DISPLAY=:$(cat "$work/display")
}

# The session bus, and on it the accessibility bus with its registry, as a desktop with a screen reader has them.
start_buses() {
    dbus-daemon --session --nofork --nopidfile --print-address=5 5>"$work/bus" &
    session_pids+=($!)
    await_file "$work/bus"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    local launcher
    launcher=$(command -v at-spi-bus-launcher || echo /usr/libexec/at-spi-bus-launcher)
    "$launcher" --launch-immediately &
    session_pids+=($!)
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
}

# The whole private desktop: the user, the X server and the buses.
start_desktop() {
    start_user
    start_x
    start_buses
}

# Starts a command in the background as a desktop in the given language (en or de) starts a program: LANG alone
# names the language. Its id is in $!; it is stopped with the session, or before with `stop $!`.
start_in_language() {
    local locale
    case $1 in
    en) locale=C.UTF-8 ;;
    de) locale=de_DE.UTF-8 ;;
    esac
    shift
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "LANG=$locale" "$@" &
    session_pids+=($!)
}

# ---- Conwave's main window on the private X server. Places are in px of the client area below the menu bar, as
# the layout tables put the controls (15 twips a pixel); the menu bar's height is the style's.

# The main window's id, once it is mapped; up to two minutes for a slow start (valgrind, a busy machine).
main_window() {
    timeout 120 xdotool search --sync --onlyvisible --name '^Conwave$' | head -n 1
}

# The menu bar's height: the client area below it is 376 px high.
menu_height() {
    echo $(($(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p') - 376))
}

# Clicks a place of the client area (window x y; a negative y is in the menu bar) until the check that follows
# succeeds, waiting 10 s for it after each click, six clicks at most: a program that starts slowly may show its
# window before it takes clicks.
click_until() {
    local window=$1 x=$2 y=$3 _
    shift 3
    for _ in 1 2 3 4 5 6; do
        xdotool mousemove --window "$window" "$x" $((y + $(menu_height "$window"))) click 1
        await 10 "$@" && return 0
    done
    echo "the click at $x,$y had no effect: $*"
    return 1
}

# A part of the client area (window width height x y) as a PNG on stdout.
client_part() {
    import -window "$1" png:- | convert - -crop "$2x$3+$4+$(($5 + $(menu_height "$1")))" +repage png:-
}

# True once the picture has been painted: its middle is light cyan (0x00FFFF80).
picture_painted() {
    [ "$(client_part "$1" 1 1 208 237 | convert - -format '%[hex:p{0,0}]' info:)" = 80FFFF ]
}

# True while the picture shows wavefronts, as after START: more than a hundred pixels inside its border are red
# rather than light cyan (little green left); the source alone makes a few.
shows_wavefronts() {
    local red
    red=$(client_part "$1" 396 263 10 106 |
        convert - -channel G -separate -threshold 70% -format '%[fx:round((1 - mean) * w * h)]' info:)
    [ "$red" -gt 100 ]
}

# True when a part of the client area (window width height x y) differs from the picture of it in a file.
part_differs() {
    [ "$(client_part "$1" "$2" "$3" "$4" "$5" | compare -metric AE "$6" - null: 2>&1)" != 0 ]
}

# True while the About window is shown.
about_shown() {
    xdotool search --onlyvisible --name '^About$' >/dev/null
}

# Where to click: START, the right arrow of the Mach scroll bar, the menu item About (x y).
start_button=(48 48)
mach_bar_right=(385 24)
menu_about=(20 -8)
# Parts to watch: the M text box and the clock (width height x y).
mach_text=(33 19 224 16)
clock_label=(65 17 16 80)
