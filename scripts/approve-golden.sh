#!/usr/bin/env bash
# Approves golden scripts after a deliberate change: moves tests/golden/tcl/NAME.received.tcl over
# tests/golden/tcl/NAME.tcl, and tests/golden/py/NAME.received.py over tests/golden/py/NAME.py.
# With names, only those; without, every received script present. Review the differences first
# (git diff shows them once approved).
set -euo pipefail
golden="$(cd "$(dirname "$0")/.." && pwd)/tests/golden"
names=("$@")
if ((${#names[@]} == 0)); then
  for received in "$golden"/tcl/*.received.tcl "$golden"/py/*.received.py; do
    [ -e "$received" ] || continue
    name=$(basename "$received")
    names+=("${name%.received.*}")
  done
fi
if ((${#names[@]} == 0)); then
  echo "no received scripts in $golden/tcl or $golden/py" >&2
  exit 1
fi
mkdir -p "$golden/py"
for name in $(printf '%s\n' "${names[@]}" | sort -u); do
  approved=0
  for kind in tcl py; do
    received="$golden/$kind/$name.received.$kind"
    if [ -f "$received" ]; then
      mv "$received" "$golden/$kind/$name.$kind"
      echo "approved $kind/$name.$kind"
      approved=1
    fi
  done
  if ((approved == 0)); then
    echo "no received script for $name" >&2
    exit 1
  fi
done
