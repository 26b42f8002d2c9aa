#!/usr/bin/env bash
# Plays two tones (440 Hz left, 1000 Hz right) into what programs record, runs the wave stream's
# pass-through test, whose callback crosses the channels over, and records what it plays: the recording
# must hold the tones crossed, at their own level.
#   passthrough.sh BENCH_DIR TEST_EXE SIGNAL_TOOL
set -u
bench=$1 exe=$2 signal=$3
top=$(cd "$(dirname "$0")/../../.." && pwd)
. "$bench/env" || exit 1
work=$(mktemp -d "$bench/passthrough.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$signal" gen 30 0.3 440 1000 >"$work/in.raw" || exit 1
format=(--raw --format=s16le --rate=48000 --channels=2)
paplay "${format[@]}" -d kin <"$work/in.raw" & play=$!
parec "${format[@]}" -d kout.monitor >"$work/out.raw" & record=$!
"$top/scripts/bench.sh" run "$bench" "$exe" --gtest_filter=Wave.PassesTheInputThroughTheCallback
rc=$?
kill $play $record 2>/dev/null
wait $play $record 2>/dev/null
[ $rc = 0 ] || exit $rc
"$signal" check "$work/out.raw" 1000 440 0.3
