#!/usr/bin/env bash
# Throughput of one batch against one process per boring, on the same
# borings and fresh copies of the bundled tables:
#   scripts/bench-batch.sh [COUNT]   (default 1000; needs a release build)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}
program=$PWD/build/release/boringconv
[ -x "$program" ] || { echo "build the release preset first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/config"
for i in $(seq -w 1 "$count"); do cp samples/boring.txt "$work/in/b$i.txt"; done
export XDG_CONFIG_HOME=$work/config

cp -R samples/patdat "$work/patdat-batch"
start=$(date +%s.%N)
"$program" --patdat "$work/patdat-batch" --into "$work/out-batch" "$work/in" >/dev/null 2>&1
batch=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')

cp -R samples/patdat "$work/patdat-single"
start=$(date +%s.%N)
for f in "$work"/in/*.txt; do
  name=$(basename "$f" .txt)
  "$program" --yes --patdat "$work/patdat-single" "$f" "$work/out-single/$name" >/dev/null 2>&1
done
single=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')

awk -v n="$count" -v b="$batch" -v s="$single" 'BEGIN {
  printf "%d borings: batch %.2f s (%.0f/s), one process each %.2f s (%.0f/s), %.1fx\n",
         n, b, n / b, s, n / s, s / b }'
