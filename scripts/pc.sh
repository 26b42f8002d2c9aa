#!/usr/bin/env bash
# The emulated 32-bit PC (i386vm, from ../shared/tools or $KW_I386VM) in which the 32-bit product runs.
#   pc.sh prepare       when the PC is missing, say so and build it in the background (about 10-15
#                       minutes; its output in the PC's folder, build.log); the build holds a lock until
#                       it ends
#   pc.sh run JOBDIR    wait for a build in progress, then run JOBDIR/job.sh in the PC (building it first
#                       if it is still missing)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
# The tool: where it is set, beside the checkout as the workplace keeps it, or on the PATH.
vm=${KW_I386VM:-}
for v in "$top/../shared/tools/i386vm" /work/shared/tools/i386vm "$(command -v i386vm || true)"; do
  if [ -z "$vm" ] && [ -x "$v" ]; then vm=$v; fi
done
home=${I386VM_HOME:-/var/cache/i386vm}
lock=$home/build.lock log=$home/build.log
# Without it nothing 32-bit can run here: the caller reports that as skipped (status 77), not as passed.
[ -n "$vm" ] && [ -x "$vm" ] || { echo "pc: no i386vm tool (../shared/tools/i386vm): the 32-bit product cannot run here"; exit 77; }
mkdir -p "$home"

case ${1:-} in
  prepare)
    [ -f "$home/base.img" ] && exit 0
    echo "pc: the emulated 32-bit PC is missing: building it in the background (about 10-15 minutes; log $log)"
    # The lock is taken here, so a run started at once still waits; the build keeps it until it ends.
    exec 9>"$lock"
    flock 9
    setsid "$vm" build >"$log" 2>&1 </dev/null &
    ;;
  run)
    job=${2:?job folder}
    exec 9>"$lock"
    flock -w 3600 9 || { echo "pc: the emulated PC's build did not end within an hour"; exit 1; }
    if [ ! -f "$home/base.img" ]; then
      [ -f "$log" ] && { echo "pc: the last build of the emulated PC failed:"; tail -20 "$log"; }
      echo "pc: the emulated 32-bit PC is missing: building it first (about 10-15 minutes)"
    fi
    "$vm" run "$job" 1800
    ;;
  *) sed -n '2,8p' "$0"; exit 2 ;;
esac
