#!/usr/bin/env bash
# Builds the demo (every endpoint on the simulated web, as tools/demo.sh does),
# starts the simulated web and saves pictures of the demo window, shown on a
# virtual X server:
#   tools/demo_screenshots.sh [--port=N]
# build-demo/adverts.png   the start-up adverts running
# build-demo/search.png    a finished search of 讯6, the source chosen at start
# build-demo/bt.png        a finished BT search
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/demo_setup.sh
demo_port_from_args "$@"

bash tools/deps.sh
source tools/env.sh
demo_build "$port" simweb tumbrix_demo_screenshot
demo_start_simweb "$port"

# The settings file and the advert pictures go to a cache folder of this run's
# own (Qt's XDG_CACHE_HOME), so that every run downloads the pictures afresh.
scratch="$(mktemp -d)"
trap 'kill "$simweb" 2>/dev/null || true; wait "$simweb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
unset QT_QPA_PLATFORM
XDG_CACHE_HOME="$scratch" \
  xvfb-run -a -s "-screen 0 800x640x24" build-demo/tools/tumbrix_demo_screenshot \
  build-demo/adverts.png build-demo/search.png build-demo/bt.png
echo "Saved build-demo/adverts.png, build-demo/search.png and build-demo/bt.png"
