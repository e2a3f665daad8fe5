#!/usr/bin/env bash
# Fails when a tracked C++ file differs from the layout of .clang-format.
# Usage: check-format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
# safe.directory: the checkout may belong to another user (a mounted tree).
git -c safe.directory="$PWD" ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror
