# A private desktop for a system test: its own X server (Xvfb), session bus and accessibility bus, each started
# here and stopped by its process id when the test ends. Sourced by the tests beside it; needs `work` set to the
# test's temporary folder.

session_pids=()

# Stops what the test started, last started first.
end_session() {
    local i
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        kill "${session_pids[i]}" 2>/dev/null || true
        wait "${session_pids[i]}" 2>/dev/null || true
    done
    session_pids=()
}

# Waits up to 10 s for a file to have content.
await_file() {
    local _
    for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done
    echo "nothing appeared in $1"
    return 1
}

# A fresh user with a home and a private runtime folder, as a desktop session has them.
start_user() {
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
    unset XDG_CACHE_HOME XDG_CONFIG_HOME XDG_DATA_HOME QT_QPA_PLATFORM WAYLAND_DISPLAY
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

# How a desktop in the given language (en or de) starts a program: LANG alone names the language. Sets the command
# prefix `language_env`, so that `"${language_env[@]}" program &` leaves the program's own id in $!.
set_language() {
    local locale
    case $1 in
    en) locale=C.UTF-8 ;;
    de) locale=de_DE.UTF-8 ;;
    esac
    language_env=(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "LANG=$locale")
}
