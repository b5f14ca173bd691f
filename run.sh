#!/usr/bin/env bash
# Installs what is missing, builds Quotara (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
# shellcheck source=scripts/compiler-cache.sh
. scripts/compiler-cache.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUOTARA_BUILD_TESTS=OFF -DQUOTARA_BUILD_BENCH=OFF \
  "${compiler_cache[@]}" >/dev/null
cmake --build build -j"$(nproc)"
cd build/bin
exec ./quotara "$@"
