#!/usr/bin/env bash
# Stops the private printing service of <folder> (see start-scheduler.sh),
# if it runs. Usage: stop-scheduler.sh <folder>
set -euo pipefail
dir=${1:?usage: stop-scheduler.sh <folder>}
conf=$dir/conf/cupsd.conf

# The processes started with this folder's configuration (the scheduler and
# the timeout that bounds its life), found by that argument and nothing
# broader. Zombies have no arguments left and do not count.
scheduler_pids() {
  local proc args arg
  for proc in /proc/[0-9]*; do
    mapfile -d '' -t args <"$proc/cmdline" 2>/dev/null || continue
    for arg in "${args[@]}"; do
      [[ $arg == "$conf" ]] && echo "${proc#/proc/}" && break
    done
  done
  return 0
}

mapfile -t pids < <(scheduler_pids)
(( ${#pids[@]} == 0 )) && exit 0
echo "Stopping the printing service of $dir (processes ${pids[*]})"
# One of them may end on its own meanwhile; what stays is dealt with below.
kill -TERM "${pids[@]}" || true
for _ in $(seq 1 100); do
  [[ -z $(scheduler_pids) ]] && exit 0
  sleep 0.1
done
mapfile -t pids < <(scheduler_pids)
echo "Still running after 10 s, killed: ${pids[*]}" >&2
kill -KILL "${pids[@]}" || true
sleep 0.5
[[ -z $(scheduler_pids) ]]
