#!/usr/bin/env bash
# Installs what is missing, builds Tensorium with its tests, and runs every
# test headless: the fuzzers for a bounded time, the whole suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the whole suite as
# built normally. Each part runs whatever the one before it found; the command
# fails at the end if any part failed, naming each.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

bash scripts/setup.sh --tests

# The builds are the presets of CMakePresets.json (warnings are errors).
cmake --preset default
cmake --build --preset default -j"$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"

results=()
failed=0
run_part() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then
    results+=("$name: passed")
  else
    results+=("$name: FAILED (exit $?)")
    failed=1
  fi
}

run_part "the fuzzers" bash scripts/fuzz.sh

run_part "the suite under AddressSanitizer and UndefinedBehaviorSanitizer" \
  env ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0" \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

run_part "the suite" ctest --test-dir build --output-on-failure -j"$jobs"

echo "== results"
printf '%s\n' "${results[@]}"
exit "$failed"
