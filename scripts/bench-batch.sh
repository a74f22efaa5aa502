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

# Wall-clock time, and the CPU time (user + system) of the command and its
# children, which a busy machine disturbs less.
TIMEFORMAT='%R %U %S'

cp -R samples/patdat "$work/patdat-batch"
read -r batch_wall batch_user batch_sys < <({ time "$program" --patdat "$work/patdat-batch" \
  --into "$work/out-batch" "$work/in" >/dev/null 2>&1; } 2>&1)

cp -R samples/patdat "$work/patdat-single"
single_loop() {
  for f in "$work"/in/*.txt; do
    "$program" --yes --patdat "$work/patdat-single" "$f" "$work/out-single/$(basename "$f" .txt)" \
      >/dev/null 2>&1
  done
}
read -r single_wall single_user single_sys < <({ time single_loop; } 2>&1)

awk -v n="$count" -v bw="$batch_wall" -v bc="$(awk -v u="$batch_user" -v s="$batch_sys" 'BEGIN { print u + s }')" \
    -v sw="$single_wall" -v sc="$(awk -v u="$single_user" -v s="$single_sys" 'BEGIN { print u + s }')" 'BEGIN {
  printf "%d borings, one batch:          %6.2f s wall (%4.0f/s), %6.2f s CPU\n", n, bw, n / bw, bc
  printf "%d borings, one process each:   %6.2f s wall (%4.0f/s), %6.2f s CPU\n", n, sw, n / sw, sc
  printf "throughput: %.1fx (wall), %.1fx (CPU)\n", sw / bw, sc / bc }'
