#!/usr/bin/env bash
# Configures and builds all three builds (native, Windows x86_64, Windows i686) into build/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" -j "$(nproc)"
