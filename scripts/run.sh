#!/usr/bin/env bash
# The main job: build everything and say where the executables are.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
echo
echo "The product (32-bit, for Windows plug-in hosts): $top/build/win32/bin/KIRN.exe"
echo "The same for 64-bit hosts and wine64:          $top/build/win64/bin/KIRN.exe"
