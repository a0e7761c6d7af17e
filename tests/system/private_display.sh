# A private X server for the tests beside this file, which source it: start_private_display WORK starts Xvfb on a
# free display number, waits until it takes clients and exports DISPLAY; XVFB_PID names the server, for the test's
# own clean-up (kill "$XVFB_PID").
start_private_display() {
    local work=$1
    Xvfb -displayfd 5 -noreset -nolisten tcp -screen 0 1024x768x24 5>"$work/display" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=:$(cat "$work/display")
}
