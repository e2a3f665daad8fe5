#!/usr/bin/env bash
# The program started where there is no display (an empty environment, or
# empty display variables) says in one sentence how to start it and ends with
# status 1, instead of Qt's abort; a platform named on the command line is
# still left to Qt. Usage: no_display_test.sh <program>
set -u
program=$(realpath "${1:?usage: no_display_test.sh <program>}")
expected="Tensorium needs a graphical desktop and found no display (neither DISPLAY nor WAYLAND_DISPLAY is set): start it from a terminal or the applications menu inside a desktop session."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A platform Qt cannot load aborts; no core file may be left behind.
ulimit -c 0
failures=0

run() {  # arguments: the command; sets status, out and err
  (cd "$work" && "$@") >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

expect_sentence() {  # arguments: description, command
  local what=$1
  shift
  run "$@"
  if [[ $status -ne 1 || $err != "$expected" || -n $out ]]; then
    echo "FAIL ($what): status $status, stdout '$out', stderr:"
    echo "$err"
    failures=$((failures + 1))
  else
    echo "ok ($what)"
  fi
}

expect_sentence "empty environment" env -i "$program"
expect_sentence "empty display variables" env -i DISPLAY= WAYLAND_DISPLAY= "$program"

run env -i "$program" -platform no-such-platform
if [[ $status -eq 0 || $err == *"$expected"* || $err != *no-such-platform* ]]; then
  echo "FAIL (a named platform is left to Qt): status $status, stderr:"
  echo "$err"
  failures=$((failures + 1))
else
  echo "ok (a named platform is left to Qt)"
fi

echo "$((3 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
