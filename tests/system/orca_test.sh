#!/usr/bin/env bash
# Conwave heard through the screen reader Orca, in English and in German, as a blind student hears it: a private
# desktop (X server, session and accessibility buses, a window manager), a private speech server synthesising into
# a silent sound device, Orca writing what it speaks into its debug log, the program, and orca_client.py sending
# keys and reading the log. Everything started here is stopped by its process id.
set -euo pipefail
conwave=$1
source "$(dirname "$0")/session.sh"

# A window manager gives the windows the keyboard focus as a desktop does; it is running once it names itself on
# the root window.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    session_pids+=($!)
    await 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
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
    await 10 test -S "$work/speech/socket"
}

# Orca refuses to start beside another Orca of the same user, such as that of another checkout's test run.
no_other_orca() { ! pgrep -u "$(id -u)" -x orca >/dev/null; }

# Orca in the given language, with preferences of its own; it is ready once it has spoken its greeting. Its debug
# log is written line by line (Orca's customisation file, run at start-up), so the client reads what it speaks as
# it speaks.
start_orca() {
    : >"$work/orca-$1.log"
    mkdir -p "$work/orca-$1"
    printf 'import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n' \
        >"$work/orca-$1/orca-customizations.py"
    await 120 no_other_orca || { echo "another Orca of this user runs on"; return 1; }
    start_in_language "$1" orca --user-prefs "$work/orca-$1" --debug-file "$work/orca-$1.log" \
        >"$work/orca-$1.out" 2>&1
    orca=$!
    await 30 grep -q "SPEECH OUTPUT" "$work/orca-$1.log" || { cat "$work/orca-$1.out"; return 1; }
}

start_desktop
start_window_manager
start_speech
status=0
for language in en de; do
    start_orca "$language"
    start_in_language "$language" "$conwave" 2>"$work/conwave-$language.log"
    program=$!
    "$python" -B "$here/orca_client.py" "$language" "$work/orca-$language.log" || status=1
    stop "$program"
    stop "$orca"
done
exit "$status"
