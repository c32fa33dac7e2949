#!/usr/bin/env bash
# Builds and runs the layout and export benchmark (optimised build in build-bench/; -O2, as
# GCC 12 at -O3 reports false -Wrestrict errors inside std::string).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTYRA_TESTS=OFF -DZENTYRA_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target layout_bench
build-bench/bench/layout_bench "$@"
