#!/usr/bin/env bash
# The standalone program where no sound server answers: the wave stream is still listed, but its devices
# accept no mode. The program starts without a box, lists "Windows" with an empty "&Mode" menu and still
# loads its effect. Its instances are worked as without sound: added onto free inputs, connected,
# deleted and renumbered, up to the table's 36, where "&Add" is greyed and refused with a report. Closing
# the window ends it.
#   nodevice.sh BENCH_DIR KIRN_EXE HOSTCTL_EXE
set -u
bench=$1 exe=$2 ctl=$3
. "$bench/env" || exit 1
out=$(mktemp "$bench/nodevice.XXXXXX")
trap 'kill $kirn 2>/dev/null; wait 2>/dev/null; rm -f "$out" "$out".*' EXIT
(cd "$(dirname "$exe")" && PULSE_SERVER=unix:/nonexistent exec timeout -k 5 60 wine "$exe") >/dev/null 2>&1 </dev/null &
kirn=$!
more=(); for _ in $(seq 34); do more+=(cmd 3000); done
(cd "$(dirname "$ctl")" && timeout 100 wine "$ctl" wait sleep 1500 nobox menu \
    cmd 3000 cmd 3000 cmd 5002 cmd 6000 cmd 5000 cmd 4000 menu "${more[@]}" menu post 3000 box close) \
    2>&1 </dev/null | tr -d '\r' >"$out"
rc=${PIPESTATUS[0]}
[ "$rc" = 0 ] || { cat "$out"; echo "FAIL: hostctl failed"; exit 1; }
# The line after "[&Mode]" is the next pop-up: no mode at all.
awk '/\[&Mode\]/ { getline; exit !/\[&Channel\]/ }' "$out" || { echo "FAIL: modes listed"; exit 1; }
grep -Eq '^  1000 1 0 Windows$' "$out" && grep -Eq '^  5000 1 0 1\. Left' "$out" || { echo "FAIL: menus"; exit 1; }
# The second menu: of "1. Left", "2. Right", "3. Left" the first went; the new first is shown.
awk '/\[&Audio\]/ { n++ } n == 2' "$out" >"$out.2"
for e in '^  5000 1 0 1\. Right$' '^  5001 0 0 2\. Left$' '^  4000 0 0 &Delete$' '^    6001 1 0 Right$'; do
    grep -Eq "$e" "$out.2" || { echo "FAIL: no line /$e/ after the deletion"; exit 1; }
done
grep -q '^  5002' "$out.2" && { echo "FAIL: a third instance after the deletion"; exit 1; }
# The third: 36 instances, the last one shown, "&Add" greyed, and the refusal reported.
awk '/\[&Audio\]/ { n++ } n == 3' "$out" >"$out.3"
for e in '^  5023 1 0 36\. Unconnected$' '^  3000 0 1 &Add$' '^Proc: menu_add$'; do
    grep -Eq "$e" "$out.3" || { echo "FAIL: no line /$e/ with 36 instances"; exit 1; }
done
echo passed
