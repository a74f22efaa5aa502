#!/usr/bin/env bash
# Imports every exchange XML file in one process and prints the median time
# per file and the total. Folders default to the test data's corpus.
#   scripts/bench-import.sh [FOLDER...]
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"
[ -d build/release ] || cmake --preset release -DBORINGCONV_WINDOW=OFF >/dev/null
cmake --build --preset release -j2 --target bench_import >/dev/null
if [ $# -eq 0 ]; then set -- "$repo/tests/data/exchange/corpus"; fi
build/release/bench/bench_import "$@"
