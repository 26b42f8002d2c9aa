#!/usr/bin/env bash
# Every test: native unit tests, Windows tests under wine64 on the bench, static checks of both
# Windows executables, the fuzzers for a bounded time, and the 32-bit product in the emulated 32-bit PC
# (built beside the build when it is missing).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
# A whole run needs the emulated PC: its build starts now, beside ours (a chosen subset builds it if it needs it).
[ $# -gt 0 ] || "$top/scripts/pc.sh" prepare || true   # the test that needs it reports what is wrong
"$top/scripts/build.sh"
cd "$top/build"
ctest -j "$(nproc)" --output-on-failure "$@"
