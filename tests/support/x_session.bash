# A virtual display of our own, numbered by Xvfb itself: a number picked here
# and then checked for a lock file can be picked by a parallel start too.
# -noreset keeps the server up when its last client leaves; a server that
# resets then refuses clients that connect during the reset.
#
# Sourced by the window tests: start_x_session also starts openbox, whose
# close request is a real close; it appends the process ids to the caller's
# pids array and calls its fail.
# Run as a command, it runs that command on a display of its own:
#   bash tests/support/x_session.bash COMMAND [ARG...]

start_display() {
    local dir number=
    dir=$(mktemp -d /tmp/inkwright-x-XXXXXX)
    : >"$dir/number"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/number" >"$dir/log" 2>&1 &
    pids+=($!)
    # Xvfb writes the number once it listens.
    for _ in $(seq 300); do
        number=$(cat "$dir/number")
        [ -n "$number" ] && break
        kill -0 "${pids[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$number" ] || fail "Xvfb gave no display number: $(cat "$dir/log")"
    rm -rf "$dir"
    export DISPLAY=":$number"
    for _ in $(seq 300); do xdotool getdisplaygeometry >/dev/null 2>&1 && return; sleep 0.1; done
    fail "the X server on display $DISPLAY does not answer"
}

start_x_session() {
    start_display
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    # wmctrl answers once a window manager has announced itself.
    for _ in $(seq 300); do wmctrl -m >/dev/null 2>&1 && return; sleep 0.1; done
    fail "openbox did not start on display $DISPLAY"
}

# Closes the window titled Inkwright through openbox, as its close button
# does; fails unless the program (its pid) then ends with code 0.
close_window() { # pid
    local until=$((SECONDS + patience)) code
    wmctrl -c Inkwright
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -lt $until ] || fail "still running $patience s after the close"
        sleep 0.1
    done
    wait "$1"
    code=$?
    [ "$code" = 0 ] || fail "the close ended it with code $code"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    pids=()
    trap 'kill "${pids[@]}" 2>/dev/null' EXIT
    fail() { echo "x_session: $*" >&2; exit 1; }
    start_display
    "$@"
fi
