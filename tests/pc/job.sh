#!/bin/sh
# Runs inside the emulated 32-bit PC, as /job/job.sh: the 32-bit product and its tests under 32-bit Wine,
# on a bench of their own (virtual display, sound server with the two null sinks, a fresh Wine prefix).
# Each step prints one line and what it measured; a failed step prints its whole output. Exit status 0
# when every step passed.
cd /job || exit 1
bench=/root/bench   # the job folder has little room to spare
export KW_BENCH_TIMEOUT=600   # the bench's limit a program: everything here runs emulated
failed=0
shown='^(render|editor|knob|processReplacing|switches|\[  PASSED|one:|closed|passed)'

step() {  # NAME COMMAND...
    name=$1; shift
    t0=$(date +%s)
    "$@" >"log.$name" 2>&1; rc=$?
    took=$(( $(date +%s) - t0 ))
    if [ $rc = 0 ]; then
        echo "pass  $name ($took s)"
        grep -E "$shown" "log.$name" | sed 's/^/      /'
    else
        echo "FAIL  $name ($took s, exit status $rc):"
        sed 's/^/      /' "log.$name"
        failed=$((failed + 1))
    fi
}
run() { scripts/bench.sh run "$bench" "$@"; }

scripts/bench.sh start "$bench" || exit 1
# The plug-in as a host loads it, under its own name and as a .dll; its output against the x86_64 build's.
step testhost.exe run /job/bin/testhost.exe /job/bin/KIRN.exe --against /job/x86_64.raw
step testhost.dll run /job/bin/testhost.exe /job/bin/KIRN.exe --as-dll --against /job/x86_64.raw
# The graph and the nodes (bit-exact figures, fault containment), the streams, and the ASIO backend with
# the test drivers registered in this prefix: their own methods by thiscall, IUnknown's by stdcall.
for t in graph_tests nodes_tests audio_tests audio_asio_tests; do step $t run /job/tests/$t.exe; done
# The standalone program on its own: title, first driver and mode, one instance passing audio, the end.
step standalone tests/host/live.sh "$bench" /job/bin/KIRN.exe /job/bin/hostctl.exe /job/tests/pc/signal.sh --one
# And with the test ASIO drivers installed: listed first, the stereo one streams, a failing one is reported.
step standalone.asio tests/host/asio.sh "$bench" /job/bin/KIRN.exe /job/bin/hostctl.exe /job/tests/kw_test_asio_driver.dll
scripts/bench.sh stop "$bench" >/dev/null
echo "$failed step(s) failed"
[ $failed = 0 ]
