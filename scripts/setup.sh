#!/usr/bin/env bash
# Installs the Debian packages Tensorium needs to build, run, test and package,
# skipping those already installed. Usage: scripts/setup.sh [--tests|--package|--fuzz]
# Installing needs root: run as root, or as a user who may use sudo.
set -euo pipefail

# DejaVu holds the characters Liberation Sans lacks (subscript digits, ≥, ′).
packages=(build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation fonts-dejavu-core
          libcsv-dev libeigen3-dev)
case "${1:-}" in
  --package)
    # dpkg-shlibdeps (dpkg-dev) finds the libraries; CPack asks file what each file is.
    packages+=(dpkg-dev file) ;;
  --fuzz)
    packages+=(clang-14 libclang-rt-14-dev) ;;
  --tests)
    packages+=(dpkg-dev file clang-14 libclang-rt-14-dev
               googletest libgtest-dev libbenchmark-dev libeigen3-dev xvfb xauth poppler-utils
               cups-daemon cups-client xclip xdotool locales
               clang-format-14 git
               desktop-file-utils appstream shared-mime-info) ;;
  "") ;;
  *) echo "usage: scripts/setup.sh [--tests|--package|--fuzz]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "Tensorium needs these Debian packages, which are not installed: ${missing[*]}; ask someone with root to install them (apt-get install ${missing[*]}), or run this command as root or through sudo." >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
