# Sourced by the window tests: starts a display of our own (so parallel test
# runs do not meet) with openbox, whose close request is a real close.
# Appends the two process ids to the caller's pids array; calls its fail.
start_x_session() {
    local display=$((100 + $$ % 800))
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$display"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}
