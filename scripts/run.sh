#!/usr/bin/env bash
# Sets up, builds and starts the program against its emulated mouse (`corvex --demo`). Without a
# display it starts a virtual one (Xvfb) so the program still runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running on a virtual one (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" build/default/corvex --demo "$@"
fi
exec build/default/corvex --demo "$@"
