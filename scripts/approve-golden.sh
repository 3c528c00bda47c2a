#!/usr/bin/env bash
# Approves golden scripts after a deliberate change: copies tests/golden/tcl/NAME.received.tcl over
# tests/golden/tcl/NAME.tcl. With names, only those; without, every received script present.
# Review the differences first (git diff shows them once approved).
set -euo pipefail
folder="$(cd "$(dirname "$0")/.." && pwd)/tests/golden/tcl"
names=("$@")
if ((${#names[@]} == 0)); then
  for received in "$folder"/*.received.tcl; do
    [ -e "$received" ] && names+=("$(basename "$received" .received.tcl)")
  done
fi
if ((${#names[@]} == 0)); then
  echo "no received scripts in $folder" >&2
  exit 1
fi
for name in "${names[@]}"; do
  received="$folder/$name.received.tcl"
  if [ ! -f "$received" ]; then
    echo "no received script for $name" >&2
    exit 1
  fi
  mv "$received" "$folder/$name.tcl"
  echo "approved $name"
done
