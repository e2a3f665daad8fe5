#!/usr/bin/env bash
# Builds the Debian package of a build folder into a folder of its own, as
# `cpack -G DEB` in the build folder does. Usage: build_package.sh <build> <out>
set -euo pipefail
build=${1:?usage: build_package.sh <build folder> <package folder>}
out=${2:?usage: build_package.sh <build folder> <package folder>}
rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out"
packages=("$out"/tensorium_*.deb)
if [[ ${#packages[@]} -ne 1 || ! -f ${packages[0]} ]]; then
  echo "FAIL: cpack made no single tensorium package in $out" >&2
  exit 1
fi
echo "built ${packages[0]}"
