#!/usr/bin/env bash
# The set-up run by a user without root and without sudo, on a machine whose
# package database lacks what Tensorium needs: one sentence naming the
# missing packages and who must install them, a failing exit, no apt run.
set -euo pipefail
setup=$(cd "$(dirname "$0")/../../scripts" && pwd)/setup.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# An empty package database (dpkg-query reads DPKG_ADMINDIR), and a PATH that
# holds the few commands the set-up needs but no sudo.
mkdir -p "$work/admin/info" "$work/bin"
: >"$work/admin/status"
for tool in bash dpkg-query grep id env; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
chmod -R a+rX "$work"

as_user=()
if [[ $(id -u) -eq 0 ]]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
status=0
"${as_user[@]}" env -i PATH="$work/bin" DPKG_ADMINDIR="$work/admin" bash "$setup" --package \
  >"$work/out" 2>"$work/err" || status=$?
cat "$work/err"

fail() { echo "FAILED: $*"; exit 1; }
[[ $status -ne 0 ]] || fail "the set-up succeeded although nothing could be installed"
[[ ! -s "$work/out" ]] || fail "it printed on standard output: $(cat "$work/out")"
[[ $(wc -l <"$work/err") -eq 1 ]] || fail "not one sentence"
for package in build-essential cmake qt6-base-dev fonts-dejavu-core dpkg-dev file; do
  grep -qw -- "$package" "$work/err" || fail "$package is not named"
done
grep -q "root" "$work/err" || fail "it does not say that root must install them"
