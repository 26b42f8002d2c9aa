#!/usr/bin/env bash
# The standalone program with the test ASIO drivers registered: they come first in "&Audio", "Windows"
# last, and the first is selected. Selecting "KW Test Stereo" lists its modes and inputs, an instance
# connects to "In 1" and the driver streams; a driver whose init fails is reported with the host's line 280 and leaves no driver
# marked, and a command given meanwhile is dropped; "Windows" can be selected afterwards; closing the window ends the process.
#   asio.sh BENCH_DIR KIRN_EXE HOSTCTL_EXE DRIVER_DLL
set -u
bench=$1 exe=$2 ctl=$3 driver=$4
. "$bench/env" || exit 1
work=$(mktemp -d "$bench/asio.XXXXXX")
cp "$driver" "$work/" || exit 1
dll=$(basename "$driver")
(cd "$work" && timeout 60 wine regsvr32 /s "$dll") || { echo "FAIL: the test drivers cannot be registered"; exit 1; }
trap '(cd "$work" && timeout 60 wine regsvr32 /s /u "$dll"); kill $kirn 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/common.sh"
id_of() { awk -v name="$2" '$4 " " $5 " " $6 == name || $4 == name { print $1; exit }' "$1"; }

(cd "$(dirname "$exe")" && exec timeout -k 5 90 wine "$exe") >/dev/null 2>&1 </dev/null &
kirn=$!
hostctl wait sleep 1500 menu >"$work/start"
# Drivers are the lines above the first separator.
awk '/^  -$/ { exit } /^  1/' "$work/start" >"$work/drivers"
head -1 "$work/drivers" | grep -Eq "^  1000 1 0 KW Test " || { echo "FAIL: the first driver is no selected ASIO driver:"; cat "$work/start"; fails=$((fails + 1)); }
tail -1 "$work/drivers" | grep -Eq ' Windows$' || { echo "FAIL: Windows is not last"; fails=$((fails + 1)); }
stereo=$(id_of "$work/drivers" "KW Test Stereo") initfails=$(id_of "$work/drivers" "KW Test Init") windows=$(id_of "$work/drivers" Windows)

hostctl wait cmd "$stereo" cmd 6000 sleep 500 menu asio sleep 1000 asio >"$work/stereo"
expect "$work/stereo" "^  $stereo 1 0 KW Test Stereo$" '^    2000 1 0 ' '^    6000 1 0 In 1$' '^  5000 1 0 1\. In 1$'
# It streams: its buffer switches go on.
grep "^switches" "$work/stereo"
grep '^switches' "$work/stereo" | awk 'NR == 1 { a = $2 } NR == 2 { b = $2 } END { exit !(NR == 2 && b > a) }' ||
    { echo "FAIL: the driver does not stream:"; grep '^switches' "$work/stereo"; fails=$((fails + 1)); }

# While the driver's own box is up inside the command, a second command is dropped, not run within it.
hostctl wait post "$initfails" sleep 1500 cmd 3000 box menu >"$work/initfails"
expect "$work/initfails" '^Line: 280$' '^Proc: menu_driver$'
grep -q '^  5001 ' "$work/initfails" && { echo "FAIL: a command ran inside another"; fails=$((fails + 1)); }
grep -Eq '^  1[0-9a-f]{3} 1 ' "$work/initfails" && { echo "FAIL: a driver is marked after a failed init"; fails=$((fails + 1)); }

hostctl wait cmd "$windows" sleep 500 menu >"$work/windows"
expect "$work/windows" "^  $windows 1 0 Windows$" '^    2000 1 0 ' '^    6000 1 0 Left$' '^  5000 1 0 1\. Left$'

hostctl wait close >/dev/null || { echo "FAIL: the program did not end within 10 s of closing its window"; fails=$((fails + 1)); }
verdict
