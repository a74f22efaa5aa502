#!/usr/bin/env bash
# Benchmark of the pattern-data store (not a timed test): builds the release
# command-line program, generates a large source, a typical boring and an old
# office's pattern-data folder, and prints the median CPU times and their
# ratios (large source against iconv and the floor; start-up).
#   scripts/bench-store.sh [RUNS]   (default 5 runs of each case)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-5}
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target boringconv bench_floor >/dev/null
data=build/bench-store
python3 bench/store_bench.py generate "$data"
python3 bench/store_bench.py measure "$data" build/release/boringconv "$runs"
