#!/usr/bin/env bash
# Generating and saving the script of a one-million-line synthetic building against writing the same
# number of bytes; the ratio should stay within 3.
set -euo pipefail
folder="${KELVANE_BENCH_OUT:-/tmp}/generate"
"$KELVANE_BENCH_BIN/generate_bench" --lines 1000000 --runs 3 --folder "$folder" | tee "${KELVANE_BENCH_OUT:-/tmp}/generate.txt"
rm -f "$folder/synthetic.tcl" "$folder/synthetic.s2k"
