#!/usr/bin/env bash
# The Wine test bench: one virtual display, one PulseAudio server with two null sinks ("kin": what the
# program records, "kout": what the program plays), one Wine prefix created once and reused, and one
# wineserver kept alive for the whole test run.
#
#   bench.sh start DIR          start everything (idempotent), write DIR/env
#   bench.sh run DIR PROG ARGS  run a Windows program under wine64 on the bench (bounded in time)
#   bench.sh stop DIR           stop the servers the bench started
set -u
cmd=${1:?usage: bench.sh start|run|stop DIR ...}; dir=${2:?bench directory}; shift 2
mkdir -p "$dir"; dir=$(cd "$dir" && pwd)
envfile=$dir/env

base_env() {
  export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
         XDG_RUNTIME_DIR=$dir/xdg HOME=$dir/home PULSE_RUNTIME_PATH=$dir/xdg/pulse
  mkdir -p "$XDG_RUNTIME_DIR" "$HOME"; chmod 700 "$XDG_RUNTIME_DIR"
}

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

start() {
  base_env
  local t0=$(date +%s%N)
  # Display: the caller's when it has one that answers, otherwise our own Xvfb.
  if [ -n "${DISPLAY:-}" ] && [ ! -f "$dir/xvfb.pid" ] && xdpyinfo >/dev/null 2>&1; then
    echo "bench: using the display $DISPLAY"
  else
    if ! alive "$dir/xvfb.pid"; then
      rm -f "$dir/xvfb.pid" "$dir/display"
      exec 3>"$dir/display"
      setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp </dev/null >"$dir/xvfb.log" 2>&1 &
      echo $! > "$dir/xvfb.pid"; exec 3>&-
      for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
      [ -s "$dir/display" ] || { echo "bench: Xvfb did not start"; cat "$dir/xvfb.log"; return 1; }
    fi
    export DISPLAY=:$(head -1 "$dir/display")
  fi
  # Sound server with the two null sinks.
  if ! alive "$dir/pulse.pid"; then
    setsid pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
      --load=module-native-protocol-unix \
      --load="module-null-sink sink_name=kin" --load="module-null-sink sink_name=kout" \
      </dev/null >"$dir/pulse.log" 2>&1 &
    echo $! > "$dir/pulse.pid"
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || { echo "bench: PulseAudio did not start"; cat "$dir/pulse.log"; return 1; }
    pactl set-default-source kin.monitor; pactl set-default-sink kout
  fi
  # Wine prefix, created once; one wineserver for the whole run.
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "bench: creating the Wine prefix"
    timeout 120 wineboot -i >"$dir/wineboot.log" 2>&1 || { echo "bench: wineboot failed"; tail "$dir/wineboot.log"; return 1; }
    timeout 30 wineserver -w 2>/dev/null
  fi
  setsid wineserver -p </dev/null >/dev/null 2>&1
  { echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEDLLOVERRIDES='$WINEDLLOVERRIDES'"
    echo "export XDG_RUNTIME_DIR='$XDG_RUNTIME_DIR' HOME='$HOME' PULSE_RUNTIME_PATH='$PULSE_RUNTIME_PATH'"
    echo "export DISPLAY='$DISPLAY'"; } > "$envfile"
  echo "bench: ready in $(( ($(date +%s%N) - t0) / 1000000 )) ms (display $DISPLAY)"
}

run() {
  [ -f "$envfile" ] || { echo "bench: not started (run bench.sh start $dir)"; return 1; }
  . "$envfile"
  local prog=${1:?program}; shift
  [ -f "$prog" ] || { echo "bench: $prog was not built"; return 1; }
  # Wine starts helper processes (services, the desktop) that outlive the program and would keep the
  # caller's pipe open: the program writes to a file, which is shown when it ends.
  local out; out=$(mktemp "$dir/run.XXXXXX")
  (cd "$(dirname "$prog")" && exec timeout -k 5 "${KW_BENCH_TIMEOUT:-110}" wine "$prog" "$@") >"$out" 2>&1 </dev/null
  local rc=$?
  tr -d '\r' <"$out"; rm -f "$out"
  [ $rc = 124 ] && echo "bench: $prog did not finish in time"
  return $rc
}

stop() {
  if [ -f "$envfile" ]; then . "$envfile"; timeout 20 wineserver -k 2>/dev/null; fi
  for p in pulse xvfb; do
    if alive "$dir/$p.pid"; then kill "$(cat "$dir/$p.pid")" 2>/dev/null; fi
    rm -f "$dir/$p.pid"
  done
  rm -f "$envfile"
  echo "bench: stopped"
}

case $cmd in
  start) start ;;
  run) run "$@" ;;
  stop) stop ;;
  *) echo "bench.sh: unknown command $cmd"; exit 2 ;;
esac
