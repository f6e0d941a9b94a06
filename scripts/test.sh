#!/usr/bin/env bash
# Sets up, builds and runs every test: plainly, under ASan+UBSan, and the threaded tests under TSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan tsan; do
  cmake --preset "$preset"
  if [ "$preset" = tsan ]; then
    # Only the test binary runs under TSan; the programs need not be built a third time.
    cmake --build --preset "$preset" --target corvex_tests
  else
    cmake --build --preset "$preset"
  fi
  ctest --preset "$preset" -j2
done
