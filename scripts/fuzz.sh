#!/usr/bin/env bash
# Builds the libFuzzer targets (preset sanitize: clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for a while: the whole run, then
# the exchange XML import, each with its dictionary of tokens. The inputs
# each target finds are kept between calls in build/sanitize/corpus/.
# Fails on a crash, a sanitizer report or a hang; the input that caused it is
# left in build/sanitize/artifacts/.
#   scripts/fuzz.sh [SECONDS]   (default 60 per target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
# Every input writes the tables and some twenty outputs: memory-backed scratch
# folders make the runs about eight times faster than a disk.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j2 --target run_fuzz exchange_fuzz
artifacts=build/sanitize/artifacts
mkdir -p "$artifacts"
# fuzz TARGET: new inputs go to a working corpus of the build, never into the
# repository's seeds.
fuzz() {
  local corpus=build/sanitize/corpus/$1
  mkdir -p "$corpus"
  echo "== fuzz $1 (${seconds} s) =="
  "build/sanitize/tests/fuzz/$1_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -dict="tests/fuzz/$1.dict" -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$corpus" "tests/fuzz/corpus/$1"
}
fuzz run
fuzz exchange
