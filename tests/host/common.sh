# What the standalone program's end-to-end scripts share; sourced after they set ctl (hostctl.exe).
set -o pipefail  # hostctl's failure, not the filter's, is what a pipe returns
fails=0
# Runs hostctl's steps against the running program.
hostctl() { (cd "$(dirname "$ctl")" && timeout 100 wine "$ctl" "$@") 2>&1 </dev/null | tr -d '\r'; }
# FILE REGEX...: each regular expression matches a line of the file, else a failure is counted.
expect() {
    local file=$1; shift
    for e in "$@"; do
        grep -Eq "$e" "$file" || { echo "FAIL: no line /$e/ in $file:"; cat "$file"; fails=$((fails + 1)); }
    done
}
# Ends the script with the count of failures.
verdict() {
    [ $fails = 0 ] && echo passed || echo "$fails failures"
    exit $((fails > 0))
}
