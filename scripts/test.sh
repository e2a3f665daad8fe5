#!/usr/bin/env bash
# Installs what is missing, builds Tensorium with its tests and benchmarks,
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests
bash scripts/setup-printer.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
