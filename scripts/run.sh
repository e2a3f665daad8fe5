#!/usr/bin/env bash
# Installs what is missing, builds Tensorium and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
# The program says the same itself; saying it here first saves the build.
if [[ -z ${QT_QPA_PLATFORM:-} && -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "Tensorium needs a graphical desktop and found no display (neither DISPLAY nor WAYLAND_DISPLAY is set): start it from a terminal or the applications menu inside a desktop session." >&2
  exit 1
fi
bash scripts/setup.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)"
exec ./build-release/app/tensorium
