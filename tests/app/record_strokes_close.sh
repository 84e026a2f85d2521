#!/usr/bin/env bash
# Drives the stroke recorder's real window under Xvfb with openbox: two
# clicks, Return to print them, then a close through the window manager,
# which must end the recorder with exit code 0.
#   record_strokes_close.sh BUILD_DIR SOURCE_DIR

set -u
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
recorder="$build/inkwright-record-strokes"
[ -x "$recorder" ] || { echo "FAIL: $recorder missing"; exit 1; }

work=$(mktemp -d /tmp/inkwright-recorder-XXXXXX)
for folder in sprites fonts sounds; do ln -s "$source/$folder" "$work/$folder"; done

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [ -f "$work/out.txt" ] && sed 's/^/stdout: /' "$work/out.txt"
    exit 1
}

source "$source/tests/support/x_session.bash"
start_x_session

(cd "$work" && ALSOFT_DRIVERS=null exec "$recorder") >"$work/out.txt" 2>"$work/err.txt" &
recorder_pid=$!
patience=30 # seconds to wait for what each step needs
window=$(timeout $patience xdotool search --sync --name '^Inkwright$' | head -n 1)
[ -n "$window" ] || fail "no window titled Inkwright"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# Input sent before the first frame can be lost; the board is light.
until=$((SECONDS + patience))
until import -window "$window" "$work/shot.png" 2>/dev/null &&
    [ "$(convert "$work/shot.png" -format '%[fx:mean>0.3]' info:)" = 1 ]; do
    [ $SECONDS -lt $until ] || fail "the recorder drew no board"
    sleep 0.1
done

for point in "150 100" "250 100"; do
    xdotool mousemove --window "$window" $point click 1
    sleep 0.2
done
xdotool key Return
expected=$(printf -- '-50,-50;50,-50;\n\n')
until=$((SECONDS + patience))
until [ "$(cat "$work/out.txt")" = "$expected" ]; do
    [ $SECONDS -lt $until ] || fail "unexpected dump"
    sleep 0.1
done

close_window "$recorder_pid"
[ "$(tail -c 2 "$work/out.txt" | od -An -c | tr -d ' ')" = '\n\n' ] || fail "dump does not end with an empty line"
echo "recorder closed with code 0 after printing its stroke"
