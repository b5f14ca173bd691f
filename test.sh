#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan and runs
# every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
# shellcheck source=scripts/compiler-cache.sh
. scripts/compiler-cache.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUOTARA_SANITIZE=ON \
  "${compiler_cache[@]}" >/dev/null
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
