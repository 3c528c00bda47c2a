#!/usr/bin/env bash
# Creates the project's Python environment (.venv) and installs the pinned OpenSees builds of
# solver/requirements.txt into it, with the same installer the package ships for its users.
# Safe to run again: it does nothing when the pinned versions are in place. The launcher the
# programs start (build/bin/opensees) is written by CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
exec solver/kelvane-install-solver --venv .venv --bin none "$@"
