#!/usr/bin/env bash
# Configures and builds. Usage: scripts/build.sh [--sanitize] [BUILD_DIR]
# The default build dir is build/ (build-asan/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=OFF
dir=""
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=ON ;;
    -h|--help) echo "usage: scripts/build.sh [--sanitize] [BUILD_DIR]"; exit 0 ;;
    *) dir="$arg" ;;
  esac
done
if [ -z "$dir" ]; then
  if [ "$sanitize" = ON ]; then dir=build-asan; else dir=build; fi
fi

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTYRA_SANITIZE="$sanitize" -DZENTYRA_WERROR=ON >/dev/null
cmake --build "$dir" -j"$(nproc)"
