#!/usr/bin/env bash
# Fresh-machine entry point for the demo: installs what is missing, builds, and runs the report
# printer headlessly on the bundled demo suite and projects. Outputs go to out/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh
mkdir -p out
for project in indoor road; do
  build/src/app/zentyra --suite examples/suite \
    --dump-tree "out/$project-tree.json" "examples/projects/$project/$project.xml"
  echo "demo: wrote out/$project-tree.json"
done
