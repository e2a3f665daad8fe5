#!/usr/bin/env bash
# Installs what is missing, builds Tensorium and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
  -DTENSORIUM_BUILD_TESTS=OFF -DTENSORIUM_BUILD_BENCHMARKS=OFF
cmake --build build-release -j"$(nproc)"
exec ./build-release/app/tensorium
