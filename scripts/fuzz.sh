#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UBSan
# into build-fuzz/ and runs them side by side for the given seconds each
# (default 60), starting from fuzz/corpus/<target>/. Inputs that crash land
# in build-fuzz/artifacts/; the inputs found go to build-fuzz/corpus/.
# With --merge, a run without faults then rewrites fuzz/corpus/<target>/ as
# a small set of inputs that reaches every edge both reached, plus the
# regression_* inputs.
#
#   bash scripts/fuzz.sh [--merge] [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

merge=0
if [ "${1:-}" = "--merge" ]; then merge=1; shift; fi
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(progress_file kanji_text stroke_text word_text word_file_splitter)

bash scripts/install-deps.sh
# Only fuzzing needs clang and its libFuzzer runtime, so CI goes without.
missing=0
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing=1
done
if [ "$missing" -eq 1 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null
fi

build="$root/build-fuzz"
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DINKWRIGHT_TESTS=OFF -DINKWRIGHT_FUZZ=ON >/dev/null
cmake --build "$build" -j 4 --target "${targets[@]/#/fuzz_}"

# The progress reader's writer syncs every file to disk: a memory-backed
# temporary folder keeps that from dominating the run.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p "$build/artifacts"
pids=()
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  "$build/fuzz/fuzz_$t" "$build/corpus/$t" "$root/fuzz/corpus/$t" -max_total_time="$seconds" \
    -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t-" >"$build/$t.log" 2>&1 &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for t in "${targets[@]}"; do
  echo "$t: $(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$build/$t.log" | tail -1)"
  grep -E 'ERROR|SUMMARY|fuzz check failed|Test unit written' "$build/$t.log" || true
done

# A run that found a fault leaves the corpus alone until the fault is fixed.
if [ "$merge" -eq 1 ] && [ "$status" -eq 0 ]; then
  for t in "${targets[@]}"; do
    merged="$build/merged/$t"
    rm -rf "$merged" && mkdir -p "$merged"
    # Edges alone, without hit counts, keep the corpus to a few dozen files.
    "$build/fuzz/fuzz_$t" -merge=1 -use_counters=0 -use_value_profile=0 -max_len=4096 \
      "$merged" "$root/fuzz/corpus/$t" "$build/corpus/$t" >>"$build/$t.log" 2>&1
    # Inputs that once found a fault stay under their own names.
    for kept in "$root/fuzz/corpus/$t"/regression_*; do
      [ -e "$kept" ] || continue
      rm -f "$merged/$(sha1sum <"$kept" | cut -c1-40)"
      cp "$kept" "$merged/"
    done
    rm -rf "$root/fuzz/corpus/$t" && cp -r "$merged" "$root/fuzz/corpus/$t"
    echo "$t: $(ls "$root/fuzz/corpus/$t" | wc -l) corpus files, $(cat "$root/fuzz/corpus/$t"/* | wc -c) bytes"
  done
fi
exit "$status"
