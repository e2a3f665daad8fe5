#!/usr/bin/env bash
# Installs the Debian packages Tensorium needs to build, run and test,
# skipping those already installed. Usage: scripts/setup.sh [--tests|--package]
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation)
# The Debian package: dpkg-shlibdeps (dpkg-dev) finds its dependencies.
if [[ "${1:-}" == "--package" || "${1:-}" == "--tests" ]]; then
  packages+=(dpkg-dev)
fi
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(googletest libgtest-dev libbenchmark-dev libeigen3-dev xvfb xauth poppler-utils
             cups-daemon cups-client xclip xdotool locales
             clang-format-14 git
             desktop-file-utils appstream shared-mime-info)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
