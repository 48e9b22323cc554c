#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds a demo Tumbrix whose every endpoint is
# the simulated web on 127.0.0.1, starts the simulated web and then Tumbrix.
# Needs no internet. The simulated web stops when Tumbrix is closed.
#   tools/demo.sh              port 18080
#   tools/demo.sh --port=N     another port (the demo build is reconfigured)
set -euo pipefail
cd "$(dirname "$0")/.."

port=18080
for arg in "$@"; do
  case "$arg" in
    --port=*) port="${arg#--port=}" ;;
    *) echo "usage: tools/demo.sh [--port=N]" >&2; exit 2 ;;
  esac
done
if ! [[ "$port" =~ ^[0-9]+$ ]] || [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
  echo "tools/demo.sh: --port wants a number from 1 to 65535, not '$port'" >&2
  exit 2
fi

bash tools/deps.sh
source tools/env.sh

# Every host, link prefix and the notice point at the simulated web; the
# sharing-site domains keep their defaults, the simulated web tells the
# routes apart by them.
base="http://127.0.0.1:$port"
cmake -S . -B build-demo -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTUMBRIX_BUILD_TESTS=OFF -DTUMBRIX_BUILD_BENCH=OFF \
  -DTUMBRIX_BAIDU_BASE="$base" \
  -DTUMBRIX_GOOGLE_BASE="$base" \
  -DTUMBRIX_SINA_BASE="$base" \
  -DTUMBRIX_PORTAL_BASE="$base" \
  -DTUMBRIX_CACHE_PREFIX="$base/cache/" \
  -DTUMBRIX_LINK_115="$base/115/" \
  -DTUMBRIX_LINK_RAYFILE="$base/rayfile/" \
  -DTUMBRIX_LINK_HOTFILE="$base/hotfile/" \
  -DTUMBRIX_LINK_BT="$base/bt/" \
  -DTUMBRIX_NOTICE_URL="$base/notice" \
  -DTUMBRIX_AUTHOR_URL="$base/"

targets=(simweb)
if cmake --build build-demo --target help | grep -qE '(^|[ .:])tumbrix($|[ :])'; then
  targets+=(tumbrix)
fi
cmake --build build-demo -j "$jobs" --target "${targets[@]}"
if [ ! -x build-demo/app/tumbrix ]; then
  echo "The simulated web is built (build-demo/tools/simweb/simweb), but this checkout has no"
  echo "Tumbrix window to build yet (no target 'tumbrix' in app/)."
  exit 1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "The demo is built (build-demo/app/tumbrix), but this machine has no display to show its window."
  echo "To see it anyway, run the screenshot demo: tools/screenshot.sh (it uses a virtual X server)."
  exit 0
fi

log=build-demo/simweb.log
build-demo/tools/simweb/simweb --port "$port" >"$log" 2>&1 &
simweb=$!
trap 'kill "$simweb" 2>/dev/null || true; wait "$simweb" 2>/dev/null || true' EXIT
# The first line simweb writes is its port, once it listens.
for _ in $(seq 100); do
  [ -s "$log" ] && break
  kill -0 "$simweb" 2>/dev/null || break
  sleep 0.05
done
if ! kill -0 "$simweb" 2>/dev/null || [ "$(head -n 1 "$log")" != "$port" ]; then
  echo "The simulated web could not listen on 127.0.0.1:$port:" >&2
  cat "$log" >&2
  echo "Is another program using the port? Choose another with tools/demo.sh --port=N." >&2
  exit 1
fi
echo "Simulated web on $base (requests are logged to $log)."
echo "Try a keyword such as 网盘 or demo; 'nothing' finds nothing, 'demo hits50' finds 50."
build-demo/app/tumbrix
