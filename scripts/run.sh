#!/usr/bin/env bash
# The main job: build everything, then start the standalone program. On the user's display and sound
# server when both answer; otherwise on the bench's virtual display with its null sinks, where a
# screenshot of the window is saved and the program closed again.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
echo
echo "The product (32-bit, for Windows plug-in hosts): $top/build/win32/bin/KIRN.exe"
echo "The same for 64-bit hosts and wine64:          $top/build/win64/bin/KIRN.exe"
bin=$top/build/win64/bin
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && pactl info >/dev/null 2>&1; then
    echo "Starting the standalone program on $DISPLAY; close its window to end it."
    cd "$bin" && exec wine KIRN.exe
fi
bench=$top/build/bench
shot=$top/build/kirn-window.png
"$top/scripts/bench.sh" start "$bench"
. "$bench/env"
(cd "$bin" && exec timeout -k 5 120 wine KIRN.exe) >"$bench/kirn.log" 2>&1 </dev/null &
# Output goes to a file: Wine's helper processes outlive hostctl and would hold a pipe open for good.
ctl() { (cd "$bin" && exec timeout 60 wine hostctl.exe "$@") </dev/null >>"$bench/hostctl.log" 2>&1; }
ctl wait sleep 2000 >/dev/null || true
window=$(xdotool search --name 'Butterworth' | head -1)
if [ -n "$window" ] && import -window "$window" "$shot"; then
    echo "The standalone program ran on the virtual display $DISPLAY; a screenshot of its window: $shot"
else
    echo "The standalone program's window was not found on $DISPLAY (see $bench/kirn.log)"
fi
ctl wait close >/dev/null || true
"$top/scripts/bench.sh" stop "$bench" >/dev/null
