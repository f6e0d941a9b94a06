#!/usr/bin/env bash
# Sets up, builds and runs every test, plain and under ASan+UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
