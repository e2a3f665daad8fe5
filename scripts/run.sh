#!/usr/bin/env bash
# Installs what is missing, builds Tensorium and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)"
exec ./build-release/app/tensorium
