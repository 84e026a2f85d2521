#!/usr/bin/env bash
# Builds everything and runs every test on a virtual display of its own,
# with OpenAL's null driver so sound loading works without a sound card.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export ALSOFT_DRIVERS=null
bash tests/support/x_session.bash \
  ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300

# The same tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
bash scripts/sanitize.sh
