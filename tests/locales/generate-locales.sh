#!/usr/bin/env bash
# Compiles the locales that the regional tests run under into a folder of
# the build (found by the C library through LOCPATH), so that the tests need
# no change to the system's locales and no root.
# Usage: generate-locales.sh OUTPUT_DIR LOCALE...   (e.g. de_DE.UTF-8)
set -euo pipefail
out="$1"
shift
mkdir -p "$out"
for name in "$@"; do
  source_name="${name%.*}"
  charmap="${name#*.}"
  # localedef exits 1 for mere warnings about the source files; the check
  # below is what decides.
  localedef --no-archive -c -i "$source_name" -f "$charmap" "$out/$name" || true
  if [[ ! -f "$out/$name/LC_NUMERIC" ]]; then
    echo "could not compile the locale $name (is the Debian package 'locales' installed?)" >&2
    exit 1
  fi
done
echo "compiled ${*} into $out"
