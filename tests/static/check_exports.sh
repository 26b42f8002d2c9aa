#!/usr/bin/env bash
# Checks a Windows executable's machine and that its export table holds every name of a list.
#   check_exports.sh EXE MACHINE LIST     MACHINE: i386 or x86-64 (as objdump names the PE format)
set -u
exe=$1 machine=$2 list=$3
[ -f "$exe" ] || { echo "missing: $exe"; exit 1; }
dump=$(x86_64-w64-mingw32-objdump -p "$exe") || exit 1
fmt=$(x86_64-w64-mingw32-objdump -f "$exe" | sed -n 's/.*file format //p')
case $machine in
  i386) [ "$fmt" = pei-i386 ] || { echo "$exe: format $fmt, expected pei-i386"; exit 1; } ;;
  x86-64) [ "$fmt" = pei-x86-64 ] || { echo "$exe: format $fmt, expected pei-x86-64"; exit 1; } ;;
esac
# Export lines look like "[   3] +base[   4]  0003 KW_OK" (name last).
names=$(printf '%s\n' "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NF>1 {print $NF}')
missing=0
while read -r want; do
  case $want in ''|'#'*) continue ;; esac
  printf '%s\n' "$names" | grep -qx -- "$want" || { echo "$exe: export $want is missing"; missing=1; }
done < "$list"
[ $missing = 0 ] && echo "$exe: $(printf '%s\n' "$names" | wc -l) exports, all $(grep -vc '^#' "$list") required names present"
exit $missing
