#!/usr/bin/env bash
# Checks what a plug-in host needs of the product image beyond its exports: it is mapped by LoadLibrary,
# which applies no relocations, so it must be linked at a base of its own and keep its relocation table
# for the normal start; and every function that crosses to the host returns as the C convention has it
# (the caller removes the arguments: a plain "ret", never "ret $n"). Nor may it keep implicit thread-local
# data: an image mapped that way gets no thread-local storage; the section holds only the runtime's two
# markers.
#   check_image.sh EXE
set -u
exe=$1
[ -f "$exe" ] || { echo "missing: $exe"; exit 1; }
dump=$(x86_64-w64-mingw32-objdump -p "$exe") || exit 1
fail=0
relocs=$(printf '%s\n' "$dump" | awk '/Base Relocation Directory/ {print $4}')
case $relocs in ''|00000000) echo "$exe: no relocation table"; fail=1 ;; esac
base=$(printf '%s\n' "$dump" | awk '$1 == "ImageBase" {print $2}' | sed 's/^0*//')
case $base in 400000|140000000|10000000|180000000) echo "$exe: linked at the common base $base"; fail=1 ;; esac
tls=$(x86_64-w64-mingw32-objdump -h "$exe" | awk '$2 == ".tls" {print $3}')
[ -z "$tls" ] || [ $((16#$tls)) -le 16 ] || { echo "$exe: thread-local data of 0x$tls bytes"; fail=1; }
crossing='VSTPluginMain$|KW_MAIN$|dispatchEntry|processEntry|processReplacingEntry|processDoubleEntry|setParameterEntry|getParameterEntry'
syms=$(x86_64-w64-mingw32-nm "$exe" | awk '$2 ~ /^[Tt]$/ {print $3}' | grep -E "$crossing")
count=0
for sym in $syms; do
  code=$(x86_64-w64-mingw32-objdump -d --disassemble="$sym" "$exe")
  printf '%s\n' "$code" | grep -qE '\sret' || { echo "$exe: $sym has no return"; fail=1; }
  if printf '%s\n' "$code" | grep -qE '\sret\s+\$'; then echo "$exe: $sym removes its own arguments"; fail=1; fi
  count=$((count + 1))
done
[ "$count" -ge 8 ] || { echo "$exe: found $count of the 8 crossing functions"; fail=1; }
[ $fail = 0 ] && echo "$exe: relocations 0x$relocs bytes, base $base, $count crossing functions return plainly, no thread-local data"
exit $fail
