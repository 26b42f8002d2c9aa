#!/usr/bin/env bash
# The standalone program where no sound server answers: the wave stream is still listed, but its devices
# accept no mode. The program starts without a box, lists "Windows" with an empty "&Mode" menu, still
# loads its effect, and closing the window ends it.
#   nodevice.sh BENCH_DIR KIRN_EXE HOSTCTL_EXE
set -u
bench=$1 exe=$2 ctl=$3
. "$bench/env" || exit 1
out=$(mktemp "$bench/nodevice.XXXXXX")
trap 'kill $kirn 2>/dev/null; wait 2>/dev/null; rm -f "$out"' EXIT
(cd "$(dirname "$exe")" && PULSE_SERVER=unix:/nonexistent exec timeout -k 5 60 wine "$exe") >/dev/null 2>&1 </dev/null &
kirn=$!
(cd "$(dirname "$ctl")" && timeout 50 wine "$ctl" wait sleep 1500 nobox menu close) 2>&1 </dev/null | tr -d '\r' >"$out"
rc=${PIPESTATUS[0]}
cat "$out"
[ "$rc" = 0 ] || { echo "FAIL: hostctl failed"; exit 1; }
# The line after "[&Mode]" is the next pop-up: no mode at all.
awk '/\[&Mode\]/ { getline; exit !/\[&Channel\]/ }' "$out" || { echo "FAIL: modes listed"; exit 1; }
grep -Eq '^  1000 1 0 Windows$' "$out" && grep -Eq '^  5000 1 0 1\. ' "$out" || { echo "FAIL: menus"; exit 1; }
echo passed
