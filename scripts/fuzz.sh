#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time from its seed corpus: a few seconds by default (as ./test.sh
# does), N seconds each with --long N. Prints the executions of each target.
# Does nothing where clang is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${QUOTARA_FUZZ_SECONDS:-4}"
if [ "${1:-}" = "--long" ]; then
  if ! [[ "${2:-}" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [--long SECONDS]" >&2
    exit 2
  fi
  seconds="$2"
elif [ $# -gt 0 ]; then
  echo "usage: scripts/fuzz.sh [--long SECONDS]" >&2
  exit 2
fi
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

targets=()
for source in fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" -j2 --target "${targets[@]}"

status=0
summary=""
total=0
for name in "${targets[@]}"; do
  # The corpus grows in the build folder; the seeds in the repository stay as they are.
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then
    cp -r "fuzz/corpus/$name/." "$corpus/"
  fi
  log="$build/$name.log"
  echo "fuzz: running $name for ${seconds}s" >&2
  if ! (cd "$build" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
          "bin/$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
          -artifact_prefix="$name-" "corpus/$name") >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $name found a fault; the input is in $build/$name-*" >&2
    status=1
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  runs="${runs:-0}"
  total=$((total + runs))
  summary+="$(printf '%-26s %12s executions in %ss\n' "$name" "$runs" "$seconds")"$'\n'
done
printf '%s%-26s %12s executions\n' "$summary" "all" "$total" >&2
exit "$status"
