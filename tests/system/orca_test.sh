#!/usr/bin/env bash
# Conwave heard through the screen reader Orca, in English and in German, as a blind student hears it: a private
# desktop (X server, session and accessibility buses, a window manager), a private speech server synthesising into
# a silent sound device, Orca writing what it speaks into its debug log, the program, and orca_client.py sending
# keys and reading the log. Everything started here is stopped by its process id.
set -euo pipefail
conwave=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/session.sh"
orca=
program=
trap 'stop_orca; stop_program; end_session; rm -rf "$work"' EXIT

# Debian's own Python holds pyatspi, whichever python3 comes first on the path.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

# Waits up to the given number of seconds for a command to succeed.
await_command() {
    local seconds=$1 _
    shift
    for _ in $(seq $((seconds * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "never came true within $seconds s: $*"
    return 1
}

# A window manager gives the windows the keyboard focus as a desktop does; it is running once it names itself on
# the root window.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    session_pids+=($!)
    await_command 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# Speech Dispatcher with eSpeak NG on a socket of its own; the sound goes to ALSA's null device.
start_speech() {
    mkdir -p "$work/speech/modules"
    cp /etc/speech-dispatcher/modules/espeak-ng.conf "$work/speech/modules/"
    cat >"$work/speech/speechd.conf" <<CONF
AudioOutputMethod "alsa"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
LogDir "$work/speech"
CONF
    printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
    speech-dispatcher --run-single --timeout 0 --config-dir "$work/speech" --communication-method unix_socket \
        --socket-path "$work/speech/socket" >"$work/speech/server.log" 2>&1 &
    session_pids+=($!)
    export SPEECHD_ADDRESS=unix_socket:$work/speech/socket
    await_command 10 test -S "$work/speech/socket"
}

# Orca in the language set, with preferences of its own; it is ready once it has spoken its greeting. Its debug log
# is written line by line (Orca's customisation file, run at start-up), so the client reads what it speaks as it
# speaks.
start_orca() {
    : >"$work/orca-$1.log"
    mkdir -p "$work/orca-$1"
    printf 'import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n' \
        >"$work/orca-$1/orca-customizations.py"
    "${language_env[@]}" orca --user-prefs "$work/orca-$1" --debug-file "$work/orca-$1.log" >"$work/orca-$1.out" 2>&1 &
    orca=$!
    await_command 30 grep -q "SPEECH OUTPUT" "$work/orca-$1.log"
}

# Orca shuts down on SIGTERM in a second or two; one that hangs in its shutdown is killed.
stop_orca() {
    [ -n "$orca" ] || return 0
    kill "$orca" 2>/dev/null || true
    await_command 10 sh -c "! kill -0 $orca" || kill -KILL "$orca" 2>/dev/null || true
    wait "$orca" 2>/dev/null || true
    orca=
}

stop_program() {
    [ -n "$program" ] || return 0
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
}

start_user
start_x
start_buses
start_window_manager
start_speech
status=0
for language in en de; do
    set_language "$language"
    start_orca "$language"
    "${language_env[@]}" "$conwave" 2>"$work/conwave-$language.log" &
    program=$!
    "$python" -B "$here/orca_client.py" "$language" "$work/orca-$language.log" || status=1
    stop_program
    stop_orca
done
exit "$status"
