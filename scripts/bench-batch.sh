#!/usr/bin/env bash
# Throughput of one batch against one process per boring, on real-size
# borings: the exchange XML corpus of the tests repeated to COUNT borings
# (default 8000) for the batch, and its first SINGLE (default 1000) run one
# process each by bench_run_each (fork and exec, no shell in between), each
# side on a fresh copy of the bundled tables. Prints CPU time per boring.
#   scripts/bench-batch.sh [COUNT [SINGLE]]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-8000}
single=${2:-1000}
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target boringconv bench_run_each >/dev/null
program=${BORINGCONV:-$PWD/build/release/boringconv}  # BORINGCONV: another build to compare
runner=$PWD/build/release/bench/bench_run_each

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/config" "$work/out-single"
mapfile -t corpus < <(find tests/data/exchange/corpus -name '*.xml' | sort)
for ((i = 0; i < count; ++i)); do
  ln "${corpus[i % ${#corpus[@]}]}" "$work/in/b$(printf %05d "$i").xml" 2>/dev/null ||
    cp "${corpus[i % ${#corpus[@]}]}" "$work/in/b$(printf %05d "$i").xml"
done
export XDG_CONFIG_HOME=$work/config

# CPU time (user + system) of a command and its children, which a busy
# machine disturbs less than the wall clock.
cpu_of() {
  local TIMEFORMAT='%U %S'
  { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }'
}

cp -R samples/patdat "$work/patdat-batch"
batch=$(cpu_of "$program" --patdat "$work/patdat-batch" --into "$work/out-batch" "$work/in")

cp -R samples/patdat "$work/patdat-single"
mapfile -t firsts < <(find "$work/in" -name '*.xml' | sort | head -n "$single")
each=$(cpu_of "$runner" "$work/out-single" "$program" --yes --patdat "$work/patdat-single" -- \
  "${firsts[@]}")

awk -v n="$count" -v b="$batch" -v m="${#firsts[@]}" -v e="$each" 'BEGIN {
  printf "%d borings, one batch:        %7.2f s CPU, %.2f ms a boring\n", n, b, 1000 * b / n
  printf "%d borings, one process each: %7.2f s CPU, %.2f ms a boring\n", m, e, 1000 * e / m
  printf "batch against one process each: %.1fx less CPU a boring\n", (e / m) / (b / n) }'
