#!/usr/bin/env bash
# kelvane-cli batch run of 20 short runs with --jobs 1 against the same 20 solver runs started
# directly one after another, each with its output in a file; the ratio should stay within 1.1.
# Each way runs five times, alternating, and the fastest of each counts (the machine may be busy).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${KELVANE_BIN:-$root/build/bin}"
work="${KELVANE_BENCH_OUT:-$root/bench/out}/batch-overhead"
rm -rf "$work"
mkdir -p "$work"
cp "$root/tests/data/solver/GMX.txt" "$work/GM1.txt"
awk '{ printf "%.9g\n", -0.5 * $1 }' "$work/GM1.txt" >"$work/GM2.txt"
"$bin/kelvane-cli" batch plan "$root/tests/data/solver/shear-building.s2k" --records "$work/GM1.txt" \
  "$work/GM2.txt" --scales 0.1:1:0.1 --set analysisType=5 --set thSteps=251 -o "$work/set" >/dev/null
folders=()
for folder in "$work"/set/*/; do folders+=("$folder"); done
if ((${#folders[@]} != 20)); then
  echo "batch_overhead: planned ${#folders[@]} runs, not 20" >&2
  exit 1
fi

now() { date +%s.%N; }
direct_best="" batch_best=""
for round in 1 2 3 4 5; do
  start=$(now)
  for folder in "${folders[@]}"; do
    (cd "$folder" && "$bin/opensees" model.tcl >direct.log 2>&1)
  done
  direct=$(echo "$(now) - $start" | bc -l)
  rm -f "$work"/set/*/status.txt
  start=$(now)
  "$bin/kelvane-cli" batch run "$work/set" --jobs 1 >"$work/batch-run.txt"
  batch=$(echo "$(now) - $start" | bc -l)
  grep -q "^20 runs: 20 completed, 0 failed" "$work/batch-run.txt"
  echo "round $round: 20 solver runs ${direct} s, batch run --jobs 1 ${batch} s"
  if [ -z "$direct_best" ] || (($(echo "$direct < $direct_best" | bc -l))); then direct_best=$direct; fi
  if [ -z "$batch_best" ] || (($(echo "$batch < $batch_best" | bc -l))); then batch_best=$batch; fi
done
printf 'batch_overhead_ratio=%.3f\n' "$(echo "$batch_best / $direct_best" | bc -l)"
