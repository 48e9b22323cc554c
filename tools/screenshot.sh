#!/usr/bin/env bash
# Builds Tumbrix and saves pictures of its window, shown on a virtual X server:
#   tools/screenshot.sh [file.png]     default: build/tumbrix.png
# A second picture, <file>-busy.png, shows the window while a search runs.
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/tumbrix.png}"
busy="${out%.png}-busy.png"

bash tools/deps.sh
source tools/env.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs" --target tumbrix_screenshot

unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 800x640x24" build/tools/tumbrix_screenshot "$out" "$busy"
echo "Saved $out and $busy"
