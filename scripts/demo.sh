#!/usr/bin/env bash
# Fresh-machine entry point for the demo: installs what is missing, builds, and exports the
# bundled demo projects headlessly to out/<project>.pdf (and their report trees as JSON).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh
mkdir -p out
for project in indoor road street sports; do
  build/src/app/zentyra --suite examples/suite \
    --export-pdf "out/$project.pdf" --dump-tree "out/$project-tree.json" \
    "examples/projects/$project/$project.xml"
  echo "demo: wrote out/$project.pdf"
done
