#!/usr/bin/env bash
# Sets up this machine for Kelvane and builds it. Safe to run again: it installs only what is
# missing and rebuilds only what changed.
#   scripts/setup.sh [PRESET]     PRESET is a configure preset of CMakePresets.json (default: default)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
  xvfb xauth fonts-dejavu-core fonts-wqy-microhei
  python3 python3-venv python3-tk
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils shared-mime-info groff-base
  # Qt Charts; its CMake files need the OpenGL module's, which qt6-charts-dev does not pull in.
  qt6-charts-dev libqt6opengl6-dev
  # Slurm and its authentication, for the test that runs an ensemble on a one-node cluster of its own.
  slurm-wlm munge
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ -x scripts/setup-solver.sh ]; then
  scripts/setup-solver.sh
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
