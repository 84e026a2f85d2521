#!/usr/bin/env bash
# Builds the game and starts it from the repository folder, which holds
# sprites/, fonts/, sounds/ and the learner's save/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/inkwright
