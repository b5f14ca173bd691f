#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a
# bounded time from its seed corpus. Does nothing where clang is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${QUOTARA_FUZZ_SECONDS:-20}"
if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
  echo "fuzz: clang is not installed; skipped" >&2
  exit 0
fi

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
  -DQUOTARA_SANITIZE=ON -DQUOTARA_BUILD_FUZZ=ON \
  -DQUOTARA_BUILD_TESTS=OFF -DQUOTARA_BUILD_BENCH=OFF >/dev/null

status=0
for source in fuzz/fuzz_*.cpp; do
  name="$(basename "$source" .cpp)"
  cmake --build "$build" -j2 --target "$name"
  # Work on a copy, so the seeds in the repository stay as they are.
  corpus="$(mktemp -d)"
  if [ -d "fuzz/corpus/$name" ]; then
    cp -r "fuzz/corpus/$name/." "$corpus/"
  fi
  echo "fuzz: running $name for ${seconds}s" >&2
  if ! (cd "$build" && ASAN_OPTIONS=detect_leaks=0 "bin/$name" -max_total_time="$seconds" \
          -max_len=4096 -print_final_stats=1 "$corpus"); then
    echo "fuzz: $name found a fault; the input is in $build/" >&2
    status=1
  fi
  rm -rf "$corpus"
done
exit "$status"
