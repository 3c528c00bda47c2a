#!/usr/bin/env bash
# A full redraw of a synthetic building with about 50,000 frames at 1089 x 873 against drawing as
# many plain lines on the same image; the ratio should stay within 2.
set -euo pipefail
"$KELVANE_BENCH_BIN/redraw_bench" --frames 50000 --runs 11 | tee "${KELVANE_BENCH_OUT:-/tmp}/redraw.txt"
