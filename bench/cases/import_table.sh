#!/usr/bin/env bash
# Importing a one-million-line synthetic table-format building against reading the same file into
# lines; the ratio should stay within 3, and the import's peak memory within 3 times the file.
set -euo pipefail
out="${KELVANE_BENCH_OUT:-$(dirname "$0")/../out}"
folder="$out/import_table"
mkdir -p "$folder"
"$KELVANE_BENCH_BIN/import_table_bench" --lines 1000000 --runs 5 --folder "$folder" | tee "$out/import_table.txt"
