#!/usr/bin/env bash
# Sets everything up, builds, and starts Kelvane on the bundled example model.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
model=examples/three-storey-rc-frame.s2k
if [ -x build/bin/kelvane ]; then
  exec build/bin/kelvane "$model"
fi
exec build/bin/kelvane-cli info "$model"
