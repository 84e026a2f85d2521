#!/usr/bin/env bash
# Builds everything and runs the benchmarks on a virtual display (label
# fitting and drawing need one). Not a test: it reports, it never fails on
# a number. Arguments go to Google Benchmark, for example
#   bash scripts/bench.sh --benchmark_filter=ShowNextExercise
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
benchmarks=build/bench/inkwright_benchmarks
[ -x "$benchmarks" ] || { echo "ERROR: $benchmarks was not built (is libbenchmark-dev installed?)" >&2; exit 1; }
export ALSOFT_DRIVERS=null
bash tests/support/x_session.bash "$benchmarks" "$@" 2> >(grep -v -e "vertical sync" -e "alc_cleanup" >&2)
