#!/usr/bin/env bash
# Fresh-machine entry point for the tests: installs what is missing, builds, runs every test.
# Usage: scripts/test.sh [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh "$@"
dir=build
for arg in "$@"; do [ "$arg" = --sanitize ] && dir=build-asan; done
if [ "$dir" = build-asan ]; then
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
