#!/usr/bin/env bash
# The 32-bit product proves itself in the emulated 32-bit PC (this machine's kernel runs no 32-bit code):
# the i686 build's programs, the x86_64 build's rendering of the test host's programme, the bench and the
# scripts go into a job folder, and job.sh runs there. A failure inside fails this script and shows the
# output of what failed.
#   run.sh WIN32_BUILD_DIR X86_64_RENDER
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?i686 build directory}" && pwd)
render=${2:?the x86_64 build\'s rendering}
job=$(mktemp -d)
trap 'rm -rf "$job"' EXIT
mkdir -p "$job/bin" "$job/tests/pc" "$job/tests/host" "$job/scripts"
cp "$build"/bin/{KIRN.exe,testhost.exe,hostctl.exe,hostctl_hook.dll} "$job/bin/"
cp "$build"/tests/{graph_tests,nodes_tests,audio_tests,audio_asio_tests,kw_signal}.exe \
   "$build/tests/kw_test_asio_driver.dll" "$job/tests/"
cp "$top/tests/pc/signal.sh" "$job/tests/pc/"
cp "$top"/tests/host/{common.sh,live.sh,asio.sh} "$job/tests/host/"
cp "$top/scripts/bench.sh" "$job/scripts/"
cp "$top/tests/pc/job.sh" "$job/"
cp "$render" "$job/x86_64.raw"
"$top/scripts/pc.sh" run "$job"
