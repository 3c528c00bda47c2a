#!/usr/bin/env bash
# Importing a one-million-line synthetic building against reading the same file into lines; the
# ratio should stay within 4.
set -euo pipefail
folder="${KELVANE_BENCH_OUT:-/tmp}/import"
"$KELVANE_BENCH_BIN/import_bench" --lines 1000000 --runs 5 --folder "$folder" | tee "${KELVANE_BENCH_OUT:-/tmp}/import.txt"
