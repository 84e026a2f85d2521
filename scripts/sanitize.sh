#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test there. Any report fails the run:
# - a report ends its process with a code of its own (86 for memory errors
#   and leaks, 87 for undefined behaviour), which no test expects, not even
#   the death tests that expect code 1;
# - memory and leak reports also go to files, so one from a process whose
#   exit code no test looks at still fails the run. (GCC's separate
#   UndefinedBehaviorSanitizer runtime ignores log_path; its reports stay on
#   the standard error stream.)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINKWRIGHT_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$(nproc)"

reports=$(mktemp -d /tmp/inkwright-sanitizers-XXXXXX)
trap 'rm -rf "$reports"' EXIT
export ALSOFT_DRIVERS=null
export ASAN_OPTIONS="log_path=$reports/asan:exitcode=86:detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:exitcode=87:print_stacktrace=1"

status=0
bash tests/support/x_session.bash \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --timeout 300 || status=$?
# Files with only warnings (such as a thread the leak check could not stop)
# hold no report.
for report in $(grep -l -E "ERROR: |runtime error: |SUMMARY: " "$reports"/* 2>/dev/null); do
  echo "== sanitizer report from process ${report##*.}"
  cat "$report"
  status=1
done
exit "$status"
