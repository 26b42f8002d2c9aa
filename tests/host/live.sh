#!/usr/bin/env bash
# The standalone program on the bench as a user runs it: started, its menus worked by hostctl, a known
# signal played into what it records (200 Hz and 10 kHz on the left, 300 Hz on the right) and what it
# plays recorded. One instance on "Left" passes 200 Hz and cuts 10 kHz on both outputs; a second
# instance, added onto "Right", mixes 300 Hz in; the editor's button switches the filter off and on,
# without a click; after deleting it the mix is gone again. Closing the window ends the process.
#   live.sh BENCH_DIR KIRN_EXE HOSTCTL_EXE SIGNAL_TOOL [--one]
#     --one: the start, the first instance and the end only (for slow machines)
set -u
bench=$1 exe=$2 ctl=$3 signal=$4 one=${5:-}
. "$bench/env" || exit 1
work=$(mktemp -d "$bench/live.XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
format=(--raw --format=s16le --rate=48000 --channels=2)
. "$(dirname "$0")/common.sh"

record() { parec "${format[@]}" -d kout.monitor >"$work/$1.raw" & local r=$!; sleep 4; kill $r; wait $r 2>/dev/null; }
within() {  # LOW HIGH MEASURE RECORDING CHANNEL [HZ]: what signal measures lies within [LOW, HIGH]
    local lo=$1 hi=$2 what=$3 name=$4; shift 4
    local v; v=$("$signal" "$what" "$work/$name.raw" "$@") || { fails=$((fails + 1)); return; }
    if awk -v v="$v" -v lo="$lo" -v hi="$hi" 'BEGIN { exit !(v >= lo && v <= hi) }'; then
        echo "$name: $what $*: $v"
    else
        echo "FAIL: $name: $what $*: $v, not within [$lo, $hi]"; fails=$((fails + 1))
    fi
}
between() { within "$4" "$5" level "$1" "$2" "$3"; }  # RECORDING CHANNEL HZ LOW HIGH

start() {
    "$signal" gen 60 0.2 200,10000 300 >"$work/in.raw" || exit 1
    paplay "${format[@]}" -d kin <"$work/in.raw" & pids+=($!)
    (cd "$(dirname "$exe")" && exec timeout -k 5 90 wine "$exe") >"$work/kirn.log" 2>&1 </dev/null & pids+=($!)
    hostctl wait sleep 1500 nobox title geometry menu >"$work/menu1" || { cat "$work/menu1"; exit 1; }
    # Titled with the effect's product string; the client area is exactly the 200 x 236 editor, at (50, 50).
    expect "$work/menu1" '^www\.tembrix\.example 3-rd order Butterworth low-pass$' \
        '^at 50 50 client 200 x 236$' \
        '^  1000 1 0 Windows$' \
        '^    2000 1 0 ' \
        '^  5000 1 0 1\. Left$' \
        '^    6000 1 0 Left$' \
        '^  4000 0 1 &Delete$'
}

# The editor starts at a cutoff of 239.6 Hz: the third-order response passes 200 Hz at 0.859 and 300 Hz
# at 0.450 (each within 0.5 dB here), and 10 kHz is 30 dB down and more.
first_instance() {
    record one
    for c in 0 1; do
        between one $c 200 0.166 0.177
        between one $c 10000 0 0.006
        between one $c 300 0 0.004        # the right input is nobody's
    done
}

# The editor's on/off button (its centre in the editor, which fills the client area): off passes the
# input as it is, on filters again.
button() {
    hostctl wait click 41 79 >/dev/null
    record off
    between off 0 10000 0.19 0.21
    between off 0 200 0.19 0.21
    hostctl wait click 41 79 >/dev/null
    record on
    between on 0 10000 0 0.006
}

second_instance() {
    hostctl wait cmd 3000 sleep 500 menu >"$work/menu2"
    expect "$work/menu2" '^  5001 1 0 2\. Right$' \
        '^    6001 1 0 Right$' \
        '^  4000 0 0 &Delete$'
    record two
    for c in 0 1; do
        between two $c 200 0.166 0.177
        between two $c 300 0.085 0.095
    done
}

# Switching the second instance off and on while both play: its 300 Hz changes from 0.09 to 0.2 and
# back, which a hard switch would show as a step of up to 0.25 between two samples. The sum's own
# steepest slope is about 0.017 a sample.
# Each recording holds one switch after its first 2 s and then 5 s of the new state, which its median
# level shows.
switch() {  # RECORDING
    parec "${format[@]}" -d kout.monitor >"$work/$1.raw" & local r=$!
    sleep 2; hostctl wait click 41 79 >/dev/null; sleep 5
    kill $r; wait $r 2>/dev/null
    for c in 0 1; do within 0 0.03 jump "$1" $c; done
}
switching() {
    switch switchoff
    between switchoff 0 300 0.19 0.21
    switch switchon
    between switchon 0 300 0.085 0.095
}

delete() {
    hostctl wait cmd 4000 sleep 500 menu >"$work/menu3"
    expect "$work/menu3" '^  5000 1 0 1\. Left$' \
        '^  4000 0 1 &Delete$'
    grep -q '5001' "$work/menu3" && { echo "FAIL: the deleted instance is still listed"; fails=$((fails + 1)); }
    record three
    between three 0 300 0 0.004
}

end() {
    t0=$(date +%s)
    hostctl wait close || { echo "FAIL: the program did not end within 10 s of closing its window"; fails=$((fails + 1)); }
    echo "closed and ended in $(( $(date +%s) - t0 )) s"
}

start
first_instance
if [ "$one" != --one ]; then
    button
    second_instance
    switching
    delete
fi
end
verdict
