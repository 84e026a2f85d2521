#!/usr/bin/env bash
# Plays the real game under Xvfb with openbox, through the mouse only, and
# checks what the screen shows and what lands in save/.
#   end_to_end.sh BUILD_DIR SOURCE_DIR
# Screenshots stay in BUILD_DIR/screenshots.

set -u
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
game="$build/inkwright"
probe="python3 $source/tests/app/screen_probe.py"
texts="$source/study/TeachingTexts.cpp"
shots="$build/screenshots"
mkdir -p "$shots"
rm -f "$shots"/*.png

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

fail() {
    echo "FAIL: $*"
    [ -f "$work/game.log" ] && sed 's/^/game: /' "$work/game.log"
    exit 1
}
note() { echo "-- $*"; }

source "$source/tests/support/x_session.bash"
start_x_session

window=
start_game() {
    (cd "$work" && ALSOFT_DRIVERS=null exec "$game") >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 15 xdotool search --sync --name '^Inkwright$' | head -n 1)
    [ -n "$window" ] || fail "no window titled Inkwright"
    # openbox may hold back focus from a window that appears right after
    # other input, and then eats the first click's release.
    timeout 5 xdotool windowactivate --sync "$window" || fail "cannot activate the window"
    # A slow build (the sanitized one) may map the window well before its
    # first frame, and input sent before then can be lost.
    [ "$(await_screen 0 20)" = 0 ] || fail "the game does not open on the menu"
    sleep 1 # the first frames
}

shot() { # name -> path of a fresh screenshot
    local path="$shots/$1.png"
    import -window "$window" "$path" || fail "screenshot $1"
    echo "$path"
}

click() { # x y, the way a hand does it: move, press, release
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.08
    xdotool mouseup 1
    sleep 0.25
}

screen_now() { $probe screen "$(shot current)"; }

# Polls until the screen is one of the given ones (a "|" list); text fitting
# under software rendering can hold a frame back for a while.
await_screen() { # wanted seconds -> the screen seen last
    local wanted=$1 until=$((SECONDS + $2)) now
    while :; do
        now=$(screen_now)
        case "|$wanted|" in *"|$now|"*) break ;; esac
        [ $SECONDS -lt "$until" ] || break
        sleep 0.2
    done
    echo "$now"
}

wait_for_exit() { # the game's exit code, or fails after 15 s
    local code
    for _ in $(seq 150); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            code=$?
            game_pid=
            return $code
        fi
        sleep 0.1
    done
    fail "the game did not exit"
}

kanji5="$work/save/JLPTN5kanjiprogress.txt"
words5="$work/save/JLPTN5wordprogress.txt"

# --- First run --------------------------------------------------------------
start_game
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "800x600" ] || fail "window is $geometry, not 800x600"
[ "$(xdotool getwindowname "$window")" = "Inkwright" ] || fail "window title"
note "window 800x600 titled Inkwright"

menu=$(shot 01-menu)
[ "$($probe screen "$menu")" = 0 ] || fail "the game does not open on the menu"
[ "$($probe levelcolour "$menu")" = grey ] || fail "level 5 starts unfinished (grey)"
[ -f "$kanji5" ] && [ -f "$words5" ] || fail "the progress files were not created at start"
created=$(md5sum <"$kanji5")

click 191 510 # left arrow: level 5 -> 1, which has nothing to learn: 0/0, green
[ "$($probe levelcolour "$(shot 02-menu-level1)")" = green ] || fail "level 1 label is not green"
click 341 510 # right arrow: back to 5
[ "$($probe levelcolour "$(shot current)")" = grey ] || fail "right arrow did not return to level 5"
note "level arrows relabel the level button"

click 266 390 # the level button starts a run on a card
first=$(await_screen "7|8" 5)
case "$first" in 7 | 8) ;; *) fail "the level button led to screen $first, not a card" ;; esac
cp "$shots/current.png" "$shots/03-card-$first.png"
note "level button leads to card $first"

click 640 90 # Continue
moved=
for _ in $(seq 20); do
    if [ "$(screen_now)" != "$first" ] || ! cmp -s "$shots/current.png" "$shots/03-card-$first.png"; then
        moved=yes
        break
    fi
    sleep 0.2
done
[ -n "$moved" ] || fail "Continue did not move on"
note "Continue moves on"

# Walk the run until an answer button has been judged.
answered=
deadline=$((SECONDS + 30))
while [ -z "$answered" ]; do
    [ $SECONDS -lt $deadline ] || fail "did not reach a question in time"
    now=$(screen_now)
    case "$now" in
    0) click 266 390 ;;
    7 | 8 | 9)
        [ -f "$shots/04-screen-$now.png" ] || cp "$shots/current.png" "$shots/04-screen-$now.png"
        click 640 90
        ;;
    6)
        [ -f "$shots/04-screen-6.png" ] || cp "$shots/current.png" "$shots/04-screen-6.png"
        click 260 60 # help: practice of the same kanji
        ;;
    question)
        cp "$shots/current.png" "$shots/05-question.png"
        # Hold the first answer button down: a release that completes the
        # question moves on before the verdict could be seen.
        xdotool mousemove --window "$window" 115 200
        sleep 0.1
        xdotool mousedown 1
        for _ in $(seq 10); do # the fade
            sleep 0.3
            answered=$($probe verdict "$(shot 06-answered)" 115 200)
            case "$answered" in green | red) break ;; esac
        done
        xdotool mouseup 1
        sleep 0.25
        case "$answered" in green | red) ;; *) fail "the answer button shows no verdict ($answered)" ;; esac
        note "answer judged: $answered"
        ;;
    *) fail "unknown screen" ;;
    esac
done

# Back from a question or drawing screen writes the progress files.
backed=
deadline=$((SECONDS + 20))
while [ -z "$backed" ]; do
    [ $SECONDS -lt $deadline ] || fail "back did not return to the menu in time"
    case "$(screen_now)" in
    0) click 266 390 ;;
    7 | 8 | 9) click 640 90 ;;
    *)
        click 60 60
        [ "$(await_screen 0 3)" = 0 ] && backed=yes
        ;;
    esac
done
[ "$(md5sum <"$kanji5")" != "$created" ] || fail "back did not rewrite the kanji progress"
[ "$(tail -c 1 "$words5")" = "#" ] || fail "word progress file not complete"
cp "$shots/current.png" "$shots/07-menu-after-back.png"
note "back saved the progress"

rm -f "$work"/save/*
wmctrl -c Inkwright
wait_for_exit
code=$?
[ "$code" = 0 ] || fail "closing ended the game with code $code"
for grade in 1 2 3 4 5; do
    for kind in kanji word; do
        file="$work/save/JLPTN${grade}${kind}progress.txt"
        [ "$(tail -c 1 "$file" 2>/dev/null)" = "#" ] || fail "closing did not write $file"
    done
done
note "close saved and exited with 0"

# --- Second run: the saved progress is read back ------------------------------
# Every grade-5 word mastered, every kanji known but never drawn: the first
# exercise can then only be a drawing practice, which a fresh start never
# opens with, and the label shows the words as done.
awk 'NR % 5 >= 2 && NR % 5 <= 4 { print 100; next } NR % 5 == 0 { print -1; next } { print }' "$kanji5" |
    head -c -1 >"$work/kanji" && mv "$work/kanji" "$kanji5"
awk 'NR % 3 != 1 { print 100; next } { print }' "$words5" | head -c -1 >"$work/words" && mv "$work/words" "$words5"
words_before=$(md5sum <"$words5")
start_game
second=$(shot 08-second-start)
[ "$($probe differs "$menu" "$second" 266 435 90 12)" = yes ] || fail "the level label does not show the saved words"
click 266 390
now=$(await_screen 9 5)
[ "$now" = 9 ] || fail "the read-back run opened on screen $now, not a drawing practice"
cp "$shots/current.png" "$shots/09-practice.png"

# Trace the stroke under the model board's marker on the practice board.
before=$($probe marker "$shots/current.png")
shown_before=$($probe shown "$shots/current.png")
points=$($probe stroke "$shots/current.png" "$texts")
[ "$points" != none ] || fail "no model stroke found under the marker"
set -- $points
xdotool mousemove --window "$window" "${1%,*}" "${1#*,}"
sleep 0.1
xdotool mousedown 1
for point in "$@"; do
    xdotool mousemove --window "$window" "${point%,*}" "${point#*,}"
    sleep 0.02
done
sleep 0.05
xdotool mouseup 1
# Accepted: the clean stroke stays on the practice board, and the model
# board uncovers its next stroke (or, for a one-stroke kanji, drops the marker).
advanced=
for _ in $(seq 20); do
    sleep 0.2
    traced=$(shot 10-practice-stroke)
    after=$($probe marker "$traced")
    if [ "$after" = none ] || [ "$($probe shown "$traced")" -gt $((shown_before + 30)) ]; then
        advanced=yes
        break
    fi
done
[ -n "$advanced" ] || fail "the model board did not move on to the next stroke (marker $before)"
[ "$($probe ink "$traced")" -gt 50 ] || fail "no accepted stroke on the practice board"
note "practice stroke accepted: marker $before -> $after"

wmctrl -c Inkwright
wait_for_exit || fail "the second run did not exit with 0"
[ "$(md5sum <"$words5")" = "$words_before" ] || fail "the second run changed word progress it only read"
awk 'NR % 5 == 0 && $0 == "0" { found = 1 } END { exit !found }' "$kanji5" ||
    fail "the practised kanji's drawing score was not saved"
note "second start read the progress back and saved the practice"
rm -f "$shots/current.png"
echo "PASS (screenshots in $shots)"
