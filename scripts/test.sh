#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the normal build, the whole suite again under
# AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of every fuzz target.
#   scripts/test.sh                 FUZZ_SECONDS (default 60) sets the fuzz time per target
# The sanitizer run leaves out the real-solver suite (label solver): it spends its time inside
# the solver, which is not instrumented, and it runs in the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."

phase() { echo "== $1 ($(date -u +%H:%M:%S))"; }

phase "normal build and tests"
scripts/setup.sh default
ctest --preset default

phase "sanitizer build and tests"
scripts/setup.sh asan
ctest --preset asan -LE solver

phase "fuzz targets"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
phase "done"
