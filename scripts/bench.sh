#!/usr/bin/env bash
# Builds and runs the layout and export benchmarks (a Release build, -O3, in build-bench/): the
# generic report of PAGES pages, then the luminaire positions list of LUMINAIRES (10,000).
# Usage: scripts/bench.sh [PAGES [LUMINAIRES]]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZENTYRA_TESTS=OFF -DZENTYRA_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target layout_bench luminaire_bench window_bench
build-bench/bench/layout_bench ${1:+"$1"}
build-bench/bench/luminaire_bench ${2:+"$2"}
build-bench/bench/window_bench
