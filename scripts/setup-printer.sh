#!/usr/bin/env bash
# Starts the printing service with a PDF printer (cups-pdf) as the default
# printer, for the printing tests. Safe to run again.
set -euo pipefail
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

if ! pgrep -x cupsd >/dev/null; then
  "${sudo[@]}" cupsd
fi
for _ in $(seq 1 100); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  sleep 0.1
done
if ! lpstat -p TensoriumPDF >/dev/null 2>&1; then
  "${sudo[@]}" lpadmin -p TensoriumPDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E 2>/dev/null
fi
"${sudo[@]}" lpadmin -d TensoriumPDF
