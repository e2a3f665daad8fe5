#!/usr/bin/env bash
# Starts a private printing service (cupsd) for the printing tests, entirely
# inside <folder>: its own configuration, spool, logs and programs, reachable
# only through the socket <folder>/run/cups.sock, with one queue, TensoriumPDF
# (its default), that keeps each job as a PDF in <folder>/printed. The
# system's printing service is neither used nor changed.
# Usage: start-scheduler.sh <folder>
set -euo pipefail
# cupsd and lpadmin live in /usr/sbin, which an ordinary user's PATH may lack.
PATH=$PATH:/usr/sbin:/sbin
dir=${1:?usage: start-scheduler.sh <folder>}
here=$(cd "$(dirname "$0")" && pwd)
[[ $dir == /* && $dir != *[[:space:]\|]* ]] || { echo "Needs an absolute folder without spaces: $dir" >&2; exit 1; }
socket=$dir/run/cups.sock
# The longest path a Unix domain socket can have.
(( ${#socket} < 108 )) || { echo "Socket path too long (${#socket} > 107): $socket" >&2; exit 1; }

# One left from a run that ended before its stop.
bash "$here/stop-scheduler.sh" "$dir"
rm -rf "${dir:?}"/{conf,state,cache,spool,log,bin,printed,run,home}
mkdir -p "$dir"/{conf,state,cache,spool/tmp,log,bin/backend,printed,home}
mkdir -m 0700 "$dir/run"
for part in daemon filter; do
  ln -s "/usr/lib/cups/$part" "$dir/bin/$part"
done
# Not readable by others, so that a scheduler running as root runs it as
# root (as the unprivileged print user it could not write into the folder).
install -m 0700 "$here/pdf-folder" "$dir/bin/backend/pdf-folder"
for file in cupsd.conf cups-files.conf; do
  sed "s|@DIR@|$dir|g" "$here/$file.in" >"$dir/conf/$file"
done

# Bounded in time, so that even a run that never stops it leaves no
# scheduler behind for long; no system message bus to announce jobs on.
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/run/no-bus" \
  timeout 4h cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
  </dev/null >"$dir/log/cupsd_output" 2>&1 &
pid=$!

fail() {
  echo "$*" >&2
  for log in "$dir/log/cupsd_output" "$dir/log/error_log"; do
    [[ -s $log ]] && { echo "--- $log" >&2; cat "$log" >&2; }
  done
  bash "$here/stop-scheduler.sh" "$dir"
  exit 1
}

export CUPS_SERVER=$socket CUPS_SERVERROOT=$dir/conf
for _ in $(seq 1 300); do
  kill -0 "$pid" || fail "The printing service ended at its start."
  [[ -S $socket && $(lpstat -r) == "scheduler is running" ]] && break
  sleep 0.1
done
[[ $(lpstat -r) == "scheduler is running" ]] || fail "The printing service did not answer within 30 s."

lpadmin -h "$socket" -p TensoriumPDF -v "pdf-folder:$dir/printed" -E || fail "lpadmin could not add the queue."
# The default of this private scheduler only (its own printers.conf).
lpadmin -h "$socket" -d TensoriumPDF || fail "lpadmin could not make the queue the default."
lpstat -d -v
