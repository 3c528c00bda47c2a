#!/usr/bin/env bash
# Runs the benchmarks: bench/run.sh [NAME...]. Each bench/cases/NAME.sh prints its figures and, as
# its last line, NAME_ratio=VALUE. With no name every case runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
export KELVANE_BENCH_BIN="$root/build/bench"
export KELVANE_BIN="$root/build/bin"
export KELVANE_BENCH_OUT="$root/bench/out"
mkdir -p "$KELVANE_BENCH_OUT"
names=("$@")
if ((${#names[@]} == 0)); then
  for case_file in bench/cases/*.sh; do names+=("$(basename "$case_file" .sh)"); done
fi
for name in "${names[@]}"; do
  if [ ! -f "bench/cases/$name.sh" ]; then
    echo "no benchmark named $name" >&2
    exit 2
  fi
  echo "== $name"
  bash "bench/cases/$name.sh"
done
