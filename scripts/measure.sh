#!/usr/bin/env bash
# Measures the whole game on a virtual display over RUNS runs (default 10)
# and prints median, min and max of:
#   - the time from exec to the first frame on screen, and the peak memory
#     (resident) of a start that idles on the menu for two seconds;
#   - the memory after a scripted run of 10 and of 1000 exercises played
#     through the real window (bench/exercise_run.cpp), and the difference.
#   bash scripts/measure.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
bash scripts/build.sh >/dev/null
source=$PWD
probe=$source/build/bench/inkwright-first-frame
scripted=$source/build/bench/inkwright-exercise-run
[ -x "$probe" ] || { echo "ERROR: $probe was not built (is libx11-dev installed?)" >&2; exit 1; }

work=$(mktemp -d /tmp/inkwright-measure-XXXXXX)
trap 'rm -rf "$work"' EXIT
for folder in sprites fonts sounds; do ln -s "$source/$folder" "$work/$folder"; done
export ALSOFT_DRIVERS=null

# median min max of the numbers on standard input
summary() { sort -n | awk '{v[NR]=$1} END {printf "median %s  min %s  max %s\n", (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2), v[1], v[NR]}'; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }

echo "Starting the game $runs times..."
bash tests/support/x_session.bash bash -c '
    cd "$1" || exit 1
    "$2" "$3" 1 >/dev/null 2>&1 # writes the progress files, as a returning learner has them
    for _ in $(seq "$4"); do "$2" "$3" 2 2>/dev/null | grep first_frame_ms || exit 1; done
' _ "$work" "$probe" "$source/build/inkwright" "$runs" >"$work/starts.txt"
echo "Playing 1000 exercises $runs times..."
for seed in $(seq "$runs"); do
    bash tests/support/x_session.bash "$scripted" 1000 "$seed" 2>/dev/null |
        awk '/after=10 / {a=$2} /after=1000 / {b=$2} END {print a, b}' | sed 's/rss_kb=//g'
done >"$work/runs.txt"

echo "first frame after exec (ms):        $(field first_frame_ms <"$work/starts.txt" | summary)"
echo "peak memory of a start (MB):        $(field peak_rss_kb <"$work/starts.txt" | awk '{print $1/1024}' | summary)"
echo "memory after 10 exercises (MB):     $(awk '{print $1/1024}' "$work/runs.txt" | summary)"
echo "memory after 1000 exercises (MB):   $(awk '{print $2/1024}' "$work/runs.txt" | summary)"
echo "growth from 10 to 1000 (MB):        $(awk '{print ($2-$1)/1024}' "$work/runs.txt" | summary)"
