#!/usr/bin/env bash
# Displacement history of 20,000 joints x 500 steps against reading the same recorder files as
# lines; the ratio should stay within 3.
set -euo pipefail
folder="${KELVANE_BENCH_OUT:-/tmp}/history-recorder-files"
"$KELVANE_BENCH_BIN/history_bench" --joints 20000 --steps 500 --runs 5 --folder "$folder" | tee "${KELVANE_BENCH_OUT:-/tmp}/history.txt"
