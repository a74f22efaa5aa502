#!/usr/bin/env bash
# Builds the libFuzzer targets (preset sanitize: clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs the whole-run target for a while.
# Fails on a crash, a sanitizer report or a hang; the input that caused it is
# left in build/sanitize/artifacts/.
#   scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
# Every input writes the tables and some twenty outputs: memory-backed scratch
# folders make the runs about eight times faster than a disk.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j2 --target run_fuzz
# New inputs go to a working corpus of the build, never into the repository's seeds.
corpus=build/sanitize/corpus/run
artifacts=build/sanitize/artifacts
mkdir -p "$corpus" "$artifacts"
echo "== fuzz run (${seconds} s) =="
build/sanitize/tests/fuzz/run_fuzz -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
  -dict=tests/fuzz/run.dict -print_final_stats=1 -artifact_prefix="$artifacts/" \
  "$corpus" tests/fuzz/corpus/run
