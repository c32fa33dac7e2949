#!/usr/bin/env bash
# Builds and runs the layout and export benchmark (a Release build, -O3, in build-bench/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZENTYRA_TESTS=OFF -DZENTYRA_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target layout_bench window_bench
build-bench/bench/layout_bench "$@"
build-bench/bench/window_bench
