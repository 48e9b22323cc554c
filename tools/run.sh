#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Tumbrix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
source tools/env.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs" --target tumbrix

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tumbrix is built (build/app/tumbrix), but this machine has no display to show its window."
  echo "To see it anyway, run the screenshot demo: tools/screenshot.sh (it uses a virtual X server)."
  exit 0
fi
exec build/app/tumbrix
