#!/usr/bin/env bash
# Sets up, builds and runs the program. Until the window exists this makes a fresh data folder
# with corvexctl, as the program's first start would, and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
dir=$(mktemp -d -t corvex-data.XXXXXX)
build/default/corvexctl init "$dir"
echo "Fresh data folder: $dir"
