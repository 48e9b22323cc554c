# Sourced by tools/demo.sh and tools/demo_screenshots.sh: the demo build, whose
# every endpoint is the simulated web on 127.0.0.1, and the simulated web itself.

# demo_port_from_args ARGS...: sets `port` (default 18080) from --port=N.
demo_port_from_args() {
  port=18080
  for arg in "$@"; do
    case "$arg" in
      --port=*) port="${arg#--port=}" ;;
      *) echo "usage: $0 [--port=N]" >&2; exit 2 ;;
    esac
  done
  if ! [[ "$port" =~ ^[0-9]+$ ]] || [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
    echo "$0: --port wants a number from 1 to 65535, not '$port'" >&2
    exit 2
  fi
}

# demo_build PORT TARGET...: configures build-demo for the simulated web on
# PORT and builds the targets that exist in this checkout.
demo_build() {
  local port="$1"; shift
  # Every host, link prefix and the notice point at the simulated web; the
  # sharing-site domains keep their defaults, the simulated web tells the
  # routes apart by them.
  local base="http://127.0.0.1:$port"
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

  local known targets=()
  known="$(cmake --build build-demo --target help)"
  for target in "$@"; do
    if grep -qE "(^|[ .:])$target(\$|[ :])" <<<"$known"; then targets+=("$target"); fi
  done
  cmake --build build-demo -j "$jobs" --target "${targets[@]}"
}

# demo_start_simweb PORT: starts the simulated web of build-demo in the
# background (its pid in `simweb`, stopped when the script exits) and waits
# until it listens. Exits when it cannot.
demo_start_simweb() {
  local port="$1"
  local log=build-demo/simweb.log
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
    echo "Is another program using the port? Choose another with $0 --port=N." >&2
    exit 1
  fi
}
