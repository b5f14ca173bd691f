#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time from its seed corpus: a few seconds each, one after the other,
# by default (as ./test.sh does); with --long N all of them side by side for N
# seconds each, and with --runs R as well each stops after R executions.
# Names of targets after the options run those alone.
# Prints each target's executions, their rate, its seconds and the size of its
# corpus. Does nothing where clang is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/fuzz.sh [--long SECONDS [--runs EXECUTIONS]] [TARGET...]" >&2
  exit 2
}
number() { [[ "${1:-}" =~ ^[1-9][0-9]*$ ]]; }

seconds="${QUOTARA_FUZZ_SECONDS:-4}"
long=0
runs=""
if [ "${1:-}" = "--long" ]; then
  number "${2:-}" || usage
  seconds="$2"
  long=1
  shift 2
  if [ "${1:-}" = "--runs" ]; then
    number "${2:-}" || usage
    runs="$2"
    shift 2
  fi
fi
for name in "$@"; do
  [ -f "fuzz/$name.cpp" ] || usage
done
if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
  echo "fuzz: clang is not installed; skipped" >&2
  exit 0
fi

# shellcheck source=scripts/compiler-cache.sh
. scripts/compiler-cache.sh
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${compiler_cache[@]}" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DQUOTARA_SANITIZE=ON -DQUOTARA_BUILD_FUZZ=ON \
  -DQUOTARA_BUILD_TESTS=OFF -DQUOTARA_BUILD_BENCH=OFF >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi
cmake --build "$build" -j2 --target "${targets[@]}"

# One target from its corpus; its log is build-fuzz/NAME.log.
run_target() {
  local name="$1"
  # The corpus grows in the build folder; the seeds in the repository stay as they are.
  local corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then
    cp -r "fuzz/corpus/$name/." "$corpus/"
  fi
  local limit=()
  if [ -n "$runs" ]; then
    limit=(-runs="$runs")
  fi
  local start=$SECONDS
  local status=0
  (cd "$build" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
     "bin/$name" -max_total_time="$seconds" "${limit[@]}" -max_len=4096 -print_final_stats=1 \
     -artifact_prefix="$name-" "corpus/$name") >"$build/$name.log" 2>&1 || status=$?
  echo "$((SECONDS - start))" >"$build/$name.seconds"
  return "$status"
}

status=0
if [ "$long" = 1 ]; then
  echo "fuzz: running ${targets[*]} side by side for at most ${seconds}s${runs:+ or $runs executions} each" >&2
  pids=()
  for name in "${targets[@]}"; do
    run_target "$name" &
    pids+=("$!")
  done
  for i in "${!targets[@]}"; do
    if ! wait "${pids[$i]}"; then
      tail -n 40 "$build/${targets[$i]}.log" >&2
      echo "fuzz: ${targets[$i]} found a fault; the input is in $build/${targets[$i]}-*" >&2
      status=1
    fi
  done
else
  for name in "${targets[@]}"; do
    echo "fuzz: running $name for ${seconds}s" >&2
    if ! run_target "$name"; then
      tail -n 40 "$build/$name.log" >&2
      echo "fuzz: $name found a fault; the input is in $build/$name-*" >&2
      status=1
    fi
  done
fi

total=0
printf '%-26s %12s %8s %8s %8s\n' "target" "executions" "exec/s" "seconds" "corpus" >&2
for name in "${targets[@]}"; do
  log="$build/$name.log"
  executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
  corpus="$(find "$build/corpus/$name" -type f | wc -l)"
  total=$((total + ${executed:-0}))
  printf '%-26s %12s %8s %8s %8s\n' "$name" "${executed:-0}" "${rate:-0}" \
    "$(cat "$build/$name.seconds")" "$corpus" >&2
done
printf '%-26s %12s\n' "all" "$total" >&2
exit "$status"
