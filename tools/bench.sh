#!/usr/bin/env bash
# Builds and runs every benchmark in bench/ headless; each prints its ratios.
#   tools/bench.sh [name-filter]      e.g. tools/bench.sh engine
# On a shared machine, run it when the machine is quiet: the ratios compare
# runs made side by side, but scheduling delays still widen their spread.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
source tools/env.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBRIX_BUILD_TESTS=ON -DTUMBRIX_BUILD_BENCH=ON >/dev/null
targets=$(sed -n 's/^ *add_executable(\([a-z_]*_bench\) .*/\1/p' bench/CMakeLists.txt)
cmake --build build -j "$jobs" --target $targets
for t in $targets; do
  case "$t" in *"${1:-}"*) ;; *) continue ;; esac
  echo "== $t"
  "build/bench/$t"
done
