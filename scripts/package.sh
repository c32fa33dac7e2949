#!/usr/bin/env bash
# Builds the Debian package as a packager would: a plain Release build (warnings are not
# errors), installed under /usr, packed by CPack. Writes out/zentyra_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZENTYRA_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-release -j"$(nproc)"
(cd build-release && cpack -G DEB >/dev/null)
mkdir -p out
cp build-release/zentyra_*.deb out/
ls out/zentyra_*.deb
