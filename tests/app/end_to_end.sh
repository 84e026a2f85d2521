#!/usr/bin/env bash
# Plays the real game under Xvfb with openbox, through the mouse only, and
# checks what the screen shows and what lands in save/.
#   end_to_end.sh BUILD_DIR SOURCE_DIR
# Every step waits for what it needs to see, however slow the machine; a
# failure names the step and keeps its last screenshot in BUILD_DIR/screenshots.

set -u
shopt -s extglob
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
game="$build/inkwright"
probe="python3 $source/tests/app/screen_probe.py"
patience=30 # seconds a step may wait for what it needs

mkdir -p "$build/screenshots"
shots=$(mktemp -d "$build/screenshots/end_to_end-XXXXXX")
work=$(mktemp -d /tmp/inkwright-e2e-XXXXXX)
for folder in sprites fonts sounds; do ln -s "$source/$folder" "$work/$folder"; done
mkdir "$work/save"

pids=() # Xvfb and openbox
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

step=
now= # the last screenshot
fail() {
    echo "FAIL: step \"$step\": $*"
    [ -f "$now" ] && echo "screenshot kept: $now"
    [ -f "$work/game.log" ] && sed 's/^/game: /' "$work/game.log"
    exit 1
}
begin() { # step name; the step's screenshots are named after it
    step=$1
    echo "-- $1"
}

source "$source/tests/support/x_session.bash"
start_x_session

# Takes screenshots until the answer to a question about them matches the
# pattern ("7|8"), and fails after $patience seconds with the last answer.
# The question is a function below or a probe command: QUESTION SHOT ARGS.
await() { # pattern question [args...]
    local pattern=$1 until=$((SECONDS + patience))
    shift
    while :; do
        seen=
        now="$shots/$step.png"
        if import -window "$window" "$now" 2>/dev/null; then
            if declare -F "$1" >/dev/null; then seen=$("$1" "$now" "${@:2}"); else seen=$($probe "$1" "$now" "${@:2}"); fi
        fi
        [[ $seen == @($pattern) ]] && return 0
        [ $SECONDS -lt $until ] || fail "expected $1 $pattern, saw $1 ${seen:-nothing}"
        sleep 0.1
    done
}
known="0|1-2|3-5|6|7|8|9"

click() { # x y, the way a hand does it: move, press, release
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.08
    xdotool mouseup 1
}

# "yes" once the screen in $left (shot $left_shot) has gone: another screen,
# or another item on the question sign.
gone() { # shot
    if [ "$($probe screen "$1")" != "$left" ] || [ "$($probe differs "$left_shot" "$1" 640 300 130 90)" = yes ]; then
        echo yes
    else
        echo "no: still screen $left, same item"
    fi
}
leave() { # x y: clicks there and waits until the screen just seen has gone
    left=$seen
    left_shot="$shots/$step-left.png"
    cp "$now" "$left_shot"
    click "$1" "$2"
    await yes gone
}

start_game() {
    (cd "$work" && ALSOFT_DRIVERS=null exec "$game") >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout $patience xdotool search --sync --name '^Inkwright$' | head -n 1)
    [ -n "$window" ] || fail "no window titled Inkwright"
    # openbox may hold back focus from a window that appears right after
    # other input, and then eats the first click's release.
    timeout $patience xdotool windowactivate --sync "$window" || fail "cannot activate the window"
    # Input sent before the first frame can be lost.
    await 0 screen
}

close_game() {
    close_window "$game_pid"
    game_pid=
}

kanji5="$work/save/JLPTN5kanjiprogress.txt"
words5="$work/save/JLPTN5wordprogress.txt"

# --- First run --------------------------------------------------------------
begin start
start_game
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "800x600" ] || fail "window is $geometry, not 800x600"
[ "$(xdotool getwindowname "$window")" = "Inkwright" ] || fail "window title"

begin menu
await grey levelcolour
menu="$shots/menu-first.png"
cp "$now" "$menu"
[ -f "$kanji5" ] && [ -f "$words5" ] || fail "the progress files were not created at start"
created=$(md5sum <"$kanji5")

begin level-arrows
click 191 510 # level 5 -> 1, which has nothing to learn: 0/0, green
await green levelcolour
click 341 510 # back to 5, unfinished
await grey levelcolour

begin level-button
click 266 390
await "7|8" screen

begin continue
leave 640 90

# Walk the run until an answer button has been judged.
begin walk
until=$((SECONDS + 2 * patience))
while :; do
    [ $SECONDS -lt $until ] || fail "no question came up"
    await "$known" screen
    case $seen in
    0) leave 266 390 ;;
    6) leave 260 60 ;; # help: the lesson of the same kanji
    7 | 8 | 9) leave 640 90 ;;
    *) break ;;
    esac
done

begin answer
# Hold the first answer button down: a release that completes the question
# moves on before the verdict could be seen.
xdotool mousemove --window "$window" 115 200
sleep 0.1
xdotool mousedown 1
await "green|red" verdict
xdotool mouseup 1

begin back # from a question or drawing screen: saves
# The screen seen first may still be the question that the release is
# about to complete; a click lost on what follows it is simply repeated.
until=$((SECONDS + 2 * patience))
while :; do
    [ $SECONDS -lt $until ] || fail "back did not lead to the menu"
    await "$known" screen
    case $seen in
    0) break ;;
    7 | 8 | 9) leave 640 90 ;;
    *) leave 60 60 ;;
    esac
done
[ "$(md5sum <"$kanji5")" != "$created" ] || fail "back did not rewrite the kanji progress"
[ "$(tail -c 1 "$words5")" = "#" ] || fail "word progress file not complete"

begin close
rm -f "$work"/save/*
close_game
for grade in 1 2 3 4 5; do
    for kind in kanji word; do
        file="$work/save/JLPTN${grade}${kind}progress.txt"
        [ "$(tail -c 1 "$file" 2>/dev/null)" = "#" ] || fail "closing did not write $file"
    done
done

# --- Second run: the saved progress is read back ------------------------------
# Every grade-5 word and kanji mastered but one kanji, known and never drawn:
# the run can then only open on the practice of that kanji, whose fourteen
# strokes are traced one by one. Its key is its code point.
kanji=語
key=35486
awk -v key=$key 'NR % 5 == 1 { print; drawn = $0 == key ? -1 : 100; next } NR % 5 == 0 { print drawn; next } { print 100 }' \
    "$kanji5" | head -c -1 >"$work/kanji" && mv "$work/kanji" "$kanji5"
awk 'NR % 3 != 1 { print 100; next } { print }' "$words5" | head -c -1 >"$work/words" && mv "$work/words" "$words5"
words_before=$(md5sum <"$words5")

begin second-start
start_game
[ "$($probe differs "$menu" "$now" 266 435 90 12)" = yes ] || fail "the level label does not show the saved words"
click 266 390
await 9 screen

stroke=0
while read -r marker points; do
    stroke=$((stroke + 1))
    begin "stroke-$stroke"
    # The model board marks the stroke's start once the last one was taken.
    await "$marker" marker "$marker"
    [ "$($probe screen "$now")" = 9 ] || fail "expected screen 9 with the marker at $marker, saw screen $($probe screen "$now")"
    # The board keeps every other pointer motion: a step aside before each
    # point makes it keep the points themselves. The server merges motions
    # still queued, so each waits for the last to arrive (--sync).
    set -- $points
    moves=()
    for point in "${@:2}"; do
        x=${point%,*} y=${point#*,}
        moves+=(mousemove --sync --window "$window" $((x + 1)) "$y" mousemove --sync --window "$window" "$x" "$y")
    done
    xdotool mousemove --window "$window" "${1%,*}" "${1#*,}" mousedown 1 "${moves[@]}" mouseup 1
done < <($probe strokes "$source/study/TeachingTexts.cpp" "$kanji")
[ "$stroke" = 14 ] || fail "the teaching texts give $kanji $stroke strokes, not 14"
begin strokes-done
await none marker
[ "$($probe ink "$now")" -gt 3000 ] || fail "the accepted strokes are not on the practice board"

begin second-close
close_game
[ "$(md5sum <"$words5")" = "$words_before" ] || fail "the second run changed word progress it only read"
awk -v key=$key 'NR % 5 == 1 { at = $0 == key } NR % 5 == 0 && at && $0 == "0" { found = 1 } END { exit !found }' "$kanji5" ||
    fail "the practised kanji's drawing score was not saved"
rm -rf "$shots"
echo PASS
