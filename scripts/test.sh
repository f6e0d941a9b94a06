#!/usr/bin/env bash
# Sets up, builds and runs every test: plainly, under ASan+UBSan, and the threaded tests under TSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan tsan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
