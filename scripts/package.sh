#!/usr/bin/env bash
# Builds the Debian package of Tensorium (installs what is missing first):
# build-package/tensorium_<version>_<architecture>.deb, for
# `sudo apt install ./build-package/tensorium_2.0_amd64.deb` on each machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --package
cmake --preset package
cmake --build --preset package -j"$(nproc)"
(cd build-package && cpack -G DEB)
for package in build-package/tensorium_*.deb; do
  echo "Built $package; install it with: sudo apt install ./$package"
done
