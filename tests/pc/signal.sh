#!/bin/sh
# The test-signal tool's Windows build under Wine, used as the native one is: samples on standard output
# as they are, measurements without Windows' line ends. The output goes through a file, as a Wine helper
# process started meanwhile would hold a pipe open.
out=$(mktemp)
wine "$(dirname "$0")/../kw_signal.exe" "$@" >"$out"; rc=$?
if [ "${1:-}" = gen ]; then cat "$out"; else tr -d '\r' <"$out"; fi
rm -f "$out"
exit $rc
