#!/usr/bin/env bash
# Runs the 32-bit test host on the 32-bit product in the emulated 32-bit PC (this machine's kernel runs no
# 32-bit code): the only run that shows the crossing functions' calling convention for real. About 4 minutes.
#   run_i686.sh WIN32_BUILD_DIR     (the directory with bin/KIRN.exe and bin/testhost.exe of the i686 build)
set -eu
build=$(cd "${1:?i686 build directory}" && pwd)
job=$(mktemp -d)
trap 'rm -rf "$job"' EXIT
cp "$build/bin/KIRN.exe" "$build/bin/testhost.exe" "$job/"
cat > "$job/job.sh" <<'JOB'
#!/bin/sh
cd /job
Xvfb :5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
display=$!
sleep 2
export DISPLAY=:5 WINEDEBUG=-all
wine testhost.exe 'Z:\job\KIRN.exe' > exe.txt 2>&1; exe=$?
cat exe.txt
wine testhost.exe 'Z:\job\KIRN.exe' --as-dll > dll.txt 2>&1; dll=$?
tail -1 dll.txt
echo "i686: as exe $exe, as dll $dll"
wineserver -k
kill $display
[ $exe = 0 ] && [ $dll = 0 ]
JOB
chmod +x "$job/job.sh"
"${I386VM:-$(dirname "$0")/../../../shared/tools/i386vm}" run "$job" 900
