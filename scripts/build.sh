#!/usr/bin/env bash
# Configures and builds everything into build/ (the learner's save/ lives
# beside sprites/, never in build/, so wiping build/ loses no progress).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
