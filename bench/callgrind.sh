#!/usr/bin/env bash
# Instructions per sample of each node and of the whole filter graph, counted by callgrind inside
# KW_Soundpipe::process only (repeatable where timings are not). Prints a Markdown table.
#   bench/callgrind.sh BUILD_DIR [BLOCKS]
set -eu
count=$1/bench/graph_count
blocks=${2:-2000}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
echo "| graph | instructions per sample |"
echo "|---|---:|"
for which in copy lopass hipass bapass graph; do
  valgrind --tool=callgrind --collect-atstart=no --toggle-collect='KW_Soundpipe::process()' \
    --callgrind-out-file="$out/$which" "$count" "$which" "$blocks" 2>/dev/null
  ir=$(sed -n 's/^totals: *//p' "$out/$which" | awk '{print $1}')
  awk -v ir="$ir" -v n=$((blocks * 512)) -v w="$which" 'BEGIN { printf "| %s | %.2f |\n", w, ir / n }'
done
