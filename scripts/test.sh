#!/usr/bin/env bash
# Every test: native unit tests, Windows tests under wine64 on the bench, static checks of both
# Windows executables, the fuzzers for a bounded time.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
cd "$top/build"
ctest -j "$(nproc)" --output-on-failure "$@"
