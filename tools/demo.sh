#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds a demo Tumbrix whose every endpoint is
# the simulated web on 127.0.0.1, starts the simulated web and then Tumbrix.
# Needs no internet. The simulated web stops when Tumbrix is closed.
#   tools/demo.sh              port 18080
#   tools/demo.sh --port=N     another port (the demo build is reconfigured)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/demo_setup.sh
demo_port_from_args "$@"

bash tools/deps.sh
source tools/env.sh
demo_build "$port" simweb tumbrix
if [ ! -x build-demo/app/tumbrix ]; then
  echo "The simulated web is built (build-demo/tools/simweb/simweb), but this checkout has no"
  echo "Tumbrix window to build yet (no target 'tumbrix' in app/)."
  exit 1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "The demo is built (build-demo/app/tumbrix), but this machine has no display to show its window."
  echo "To see it anyway, run the screenshot demo: tools/demo_screenshots.sh (it uses a virtual X server)."
  exit 0
fi

demo_start_simweb "$port"
echo "Simulated web on http://127.0.0.1:$port (requests are logged to build-demo/simweb.log)."
echo "Try a keyword such as 网盘 or demo; 'nothing' finds nothing, 'demo hits50' finds 50."
build-demo/app/tumbrix
