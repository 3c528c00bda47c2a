#!/usr/bin/env bash
# Solving the scripts Kelvane writes against the same scripts with the fastest numberer, system and
# algorithm found for them, through the Tcl interpreter, in the same run: the linear static analysis
# of the mid-size synthetic building (16 storeys of 16 x 16 bays: 4 929 joints, 17 424 elements,
# about 30 000 equations) and the nonlinear pushover of the three-storey example. solve_ratio is
# Kelvane's time over the fastest, summed over both (target 1.2 at most). The big synthetic building
# (the 50 000 frames of the redraw benchmark: 23 storeys of 26 x 26 bays, 17 519 joints, about
# 100 000 equations) is solved once, linear static: its time and the solver's peak memory are
# printed as solve_big_seconds and solve_big_mb.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${KELVANE_BIN:-$root/build/bin}"
bench="${KELVANE_BENCH_BIN:-$root/build/bench}"
work="${KELVANE_BENCH_OUT:-$root/bench/out}/solve"
rm -rf "$work"
mkdir -p "$work"

# The fastest configurations found: the general sparse solver (UmfPack, which orders the equations
# itself) factored once for the linear model and iterated on, with Newton for the nonlinear one. On
# the mid-size building, where this took 34 s: the AMD numberer 57 s, Newton (a factorisation per
# iteration) 56 s, the skyline solver (ProfileSPD) had not finished in 150 s and held 1.2 GB.
fastest_linear='s/^numberer .*/numberer RCM/; s/^system .*/system UmfPack/; s/^algorithm .*/algorithm ModifiedNewton -factorOnce/'
fastest_nonlinear='s/^numberer .*/numberer RCM/; s/^system .*/system UmfPack/'

# run NAME FOLDER: the solver on FOLDER/model.tcl; prints the seconds and the peak memory in MB.
run() {
  local folder="$2" measured
  measured=$(cd "$folder" && /usr/bin/time -f '%e %M' "$bin/opensees" model.tcl 2>&1 >solver.log | tail -n 1)
  if ! grep -q . "$folder/node0.out"; then
    echo "solve: $1 wrote no displacements; see $folder/solver.log" >&2
    exit 1
  fi
  awk -v name="$1" '{ printf "%s: %.2f s, %.0f MB\n", name, $1, $2 / 1024 }' <<<"$measured" >&2
  echo "$measured"
}

# prepare NAME MODEL SED SETTINGS...: Kelvane's script in NAME/, the variant in NAME-fastest/.
prepare() {
  local name="$1" model="$2" edit="$3"
  shift 3
  local sets=()
  for setting in "$@"; do sets+=(--set "$setting"); done
  mkdir -p "$work/$name" "$work/$name-fastest"
  "$bin/kelvane-cli" tcl "$model" -o "$work/$name/model.tcl" "${sets[@]}" >/dev/null
  sed -e "$edit" "$work/$name/model.tcl" >"$work/$name-fastest/model.tcl"
}

"$bench/synthetic_model_bench" --storeys 16 --bays 16 --out "$work/mid.s2k"
prepare mid "$work/mid.s2k" "$fastest_linear" analysisType=1 loadControlCase=1 loadSteps=10
prepare pushover "$root/examples/three-storey-rc-frame.s2k" "$fastest_nonlinear" materialDefaults=nonlinear \
  analysisType=3 loadControlCase=1 dispControlCase=2 loadSteps=10 controlNode=39 controlDof=1 \
  controlDisp=0.5 dispSteps=120

# Each pair runs twice, alternating, and the faster run of each counts (the machine may be busy).
minimum() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 < b + 0 ? a : b) }'; }
kelvane=0 fastest=0
for name in mid pushover; do
  mine=1e9 best=1e9
  for round in 1 2; do
    mine=$(minimum "$mine" "$(run "$name (as written, round $round)" "$work/$name" | cut -d' ' -f1)")
    best=$(minimum "$best" "$(run "$name (fastest, round $round)" "$work/$name-fastest" | cut -d' ' -f1)")
  done
  echo "$name: as written ${mine} s, fastest ${best} s"
  kelvane=$(echo "$kelvane + $mine" | bc -l)
  fastest=$(echo "$fastest + $best" | bc -l)
done

"$bench/synthetic_model_bench" --frames 50000 --out "$work/big.s2k"
mkdir -p "$work/big"
"$bin/kelvane-cli" tcl "$work/big.s2k" -o "$work/big/model.tcl" --set analysisType=1 --set loadControlCase=1 \
  --set loadSteps=1 >/dev/null
read -r big_seconds big_kb <<<"$(run "big (as written)" "$work/big")"
printf 'solve_big_seconds=%.2f\n' "$big_seconds"
printf 'solve_big_mb=%.0f\n' "$(echo "$big_kb / 1024" | bc -l)"
printf 'solve_ratio=%.3f\n' "$(echo "$kelvane / $fastest" | bc -l)"
