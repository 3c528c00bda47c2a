#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, ASan + UBSan, in build-fuzz) and runs each for a
# bounded time. Exits non-zero when any target crashes, hangs, leaks, runs out of memory or trips
# a sanitizer; the input that did it is kept in build-fuzz/artifacts.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]    (default: 60 seconds, every target)
# Environment: FUZZ_RUNS=N also stops each target after N executions (whichever comes first);
# FUZZ_JOBS=N runs N targets at a time (default: the number of cores); FUZZ_MAX_LEN=N gives
# the targets inputs of at most N bytes (default 4096); FUZZ_BUILD_DIR overrides build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds="${1:-60}"
shift || true
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKELVANE_FUZZ=ON -DKELVANE_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzzers

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in fuzz/*_fuzzer.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

# Writes each distinct line of the given files (up to 4 KB, at most 300 lines) into its own seed file.
seed_lines() {
  local out="$1"
  shift
  mkdir -p "$out"
  cat "$@" | tr -d '\r' | awk 'length($0) <= 4096 && !seen[$0]++' | head -n 300 |
    awk -v out="$out" '{ file = sprintf("%s/line%04d", out, NR); print > file; close(file) }'
}

# The seed folders of a target, from the test data and the approved outputs.
seeds_of() {
  local target="$1" seeds="$build/seeds/$1"
  rm -rf "$seeds"
  mkdir -p "$seeds"
  case "$target" in
    s2k_import_fuzzer)
      cp tests/data/*/*.s2k examples/*.s2k "$seeds"/ 2>/dev/null || true
      cp tests/golden/v14/* "$seeds"/ 2>/dev/null || true ;;
    s2k_tokenizer_fuzzer)
      seed_lines "$seeds" tests/data/*/*.s2k examples/*.s2k ;;
    v14_converter_fuzzer)
      cp tests/data/v14/* tests/data/solver/*v14*.s2k "$seeds"/ 2>/dev/null || true ;;
    split_fields_fuzzer)
      seed_lines "$seeds" tests/data/results/*/*.out ;;
    node_results_fuzzer | displacement_history_fuzzer)
      cp tests/data/results/joints250/node0.out tests/data/results/portal/node0.out "$seeds"/ 2>/dev/null || true ;;
    mode_shape_fuzzer)
      cp tests/data/results/modes120/eigen1_node0.out "$seeds"/ 2>/dev/null || true ;;
    curves_fuzzer)
      cp tests/data/results/pushover/* tests/data/results/joints250/node0.out "$seeds"/ 2>/dev/null || true ;;
    section_results_fuzzer)
      cp tests/data/results/portal/ele0_secs.out "$seeds"/ 2>/dev/null || true
      cp tests/data/results/frames250/ele1_secs.out "$seeds"/ 2>/dev/null || true ;;
    frame_forces_fuzzer)
      cp tests/data/results/portal/ele0.out "$seeds"/ 2>/dev/null || true
      cp tests/data/results/forces250/ele1.out "$seeds"/ 2>/dev/null || true ;;
    mode_periods_fuzzer)
      cp tests/data/results/portal/Periods.txt "$seeds"/ 2>/dev/null || true ;;
  esac
  if [ -d "fuzz/seeds/$target" ]; then
    cp fuzz/seeds/"$target"/* "$seeds"/
  fi
  echo "$seeds"
}

# The longest input a target is given. 4 KB reach every branch of every reader (over 1000 fields
# in a line, over 40 tokens, several tables in one file; longer runs of 16 KB found no more
# coverage) and keep each execution quick; the tests cover the long files.
max_len="${FUZZ_MAX_LEN:-4096}"

# Runs one target; its verdict line goes to $build/logs/TARGET.result.
run_target() {
  local target="$1" binary="$build/fuzz/$1"
  local log="$build/logs/$target.log" result_file="$build/logs/$target.result"
  if [ ! -x "$binary" ]; then
    printf '%-30s %12s %8s  %s\n' "$target" - - "FAILED (no such target)" >"$result_file"
    return
  fi
  local seeds corpus status=0 executions units result
  seeds=$(seeds_of "$target")
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  local options=(-timeout=10 -rss_limit_mb=2048 -max_len="$max_len" -print_final_stats=1
    -artifact_prefix="$build/artifacts/$target-" -max_total_time="$seconds")
  if [ -n "${FUZZ_RUNS:-}" ]; then
    options+=(-runs="$FUZZ_RUNS")
  fi
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}" \
    "$binary" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  units=$(find "$corpus" -type f | wc -l)
  if [ "$status" -eq 0 ] && ! grep -qE '^(==[0-9]+==ERROR|SUMMARY: (Address|Undefined|Leak)Sanitizer)|runtime error:' "$log"; then
    result=ok
  else
    result="FAILED (exit $status, see $log)"
  fi
  printf '%-30s %12s %8s  %s\n' "$target" "${executions:-?}" "$units" "$result" >"$result_file"
}

mkdir -p "$build/corpus" "$build/artifacts" "$build/logs"
jobs_at_once="${FUZZ_JOBS:-$(nproc)}"
for target in "${targets[@]}"; do
  rm -f "$build/logs/$target.result"
  while (($(jobs -rp | wc -l) >= jobs_at_once)); do
    wait -n || true
  done
  run_target "$target" &
done
wait

failed=()
printf '%-30s %12s %8s  %s\n' target executions corpus result
for target in "${targets[@]}"; do
  result_file="$build/logs/$target.result"
  if [ -f "$result_file" ]; then
    cat "$result_file"
  else
    printf '%-30s %12s %8s  %s\n' "$target" - - "FAILED (no result)"
  fi
  if ! [ -f "$result_file" ] || ! grep -q ' ok$' "$result_file"; then
    failed+=("$target")
  fi
done

echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if ((${#failed[@]})); then
  echo "fuzz: failed: ${failed[*]}" >&2
  for target in "${failed[@]}"; do
    [ -f "$build/logs/$target.log" ] && grep -m 20 -E 'ERROR|runtime error|invariant|SUMMARY|Test unit written' "$build/logs/$target.log" >&2 || true
  done
  exit 1
fi
