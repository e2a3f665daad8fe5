#!/usr/bin/env bash
# Builds the fuzz targets of the numerical core and of the window with clang
# and libFuzzer (AddressSanitizer, UndefinedBehaviorSanitizer) and runs each
# for a bounded time from a copy of its seed corpus in fuzz/corpus/, so the
# repository gains no files. Exits non-zero when any target finds a fault; the
# failing input is kept in the build directory.
# Usage: scripts/fuzz.sh [target...]   (default: all targets)
# Environment: TENSORIUM_FUZZ_SECONDS (default 30 per target),
#              TENSORIUM_FUZZ_BUILD_DIR (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --fuzz

seconds="${TENSORIUM_FUZZ_SECONDS:-30}"
build="${TENSORIUM_FUZZ_BUILD_DIR:-build-fuzz}"
targets=("$@")
[[ ${#targets[@]} -eq 0 ]] && targets=(parse_number format_number stress_state plane_csv window_cycle)

# Longest input per target: typed text; a double, decimals and separators; six
# doubles and the azimuth convention; a plane file of some hundred rows; six
# doubles, the convention and the check boxes, and seven doubles of the user
# axes and the joint.
declare -A max_len=([parse_number]=4096 [format_number]=10 [stress_state]=49 [plane_csv]=16384
                    [window_cycle]=105)

cmake -S fuzz -B "$build" --preset fuzz
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
summary=()
for target in "${targets[@]}"; do
  if [[ -z "${max_len[$target]:-}" ]]; then
    echo "unknown fuzz target: $target" >&2
    exit 2
  fi
  cp -r "fuzz/corpus/$target" "$work/$target"
  artifacts="$build/artifacts/$target"
  rm -rf "$artifacts" && mkdir -p "$artifacts"
  log="$build/$target.log"
  echo "Fuzzing $target for $seconds s (log: $log)"
  options=(-max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10
           -print_final_stats=1 -artifact_prefix="$artifacts/")
  [[ -f "fuzz/$target.dict" ]] && options+=(-dict="fuzz/$target.dict")
  status=0
  # The toolkit's system libraries (fontconfig) leak on their own.
  LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0" \
    "$build/${target}_fuzz" "$work/$target" "${options[@]}" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  corpus="$(find "$work/$target" -type f | wc -l)"
  if [[ $status -eq 0 ]]; then
    seeds="$(find "fuzz/corpus/$target" -type f | wc -l)"
    summary+=("fuzz $target: ok, ${runs:-?} inputs in $seconds s, corpus $seeds -> $corpus")
  else
    failed=1
    crash="$(ls -t "$artifacts" 2>/dev/null | head -1)"
    summary+=("fuzz $target: FAILED (exit $status), input ${crash:+$artifacts/$crash}, log $log")
    grep -E 'check failed|ERROR|SUMMARY|deadly signal' "$log" | head -5 >&2 || true
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
