#!/usr/bin/env bash
# Builds the converter and converts the bundled sample boring into a scratch
# folder, with a scratch copy of the bundled pattern-data folder (a run grows
# its tables, and the bundled ones must stay as they are).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/boringconv-sample.XXXXXX")
cp -R samples/patdat "$scratch/patdat"
build/release/boringconv --patdat "$scratch/patdat" --yes samples/boring.txt "$scratch/out"
echo
echo "Written to $scratch/out:"
ls -l "$scratch/out"
echo
echo "Pattern-data copy (tables grown by the run): $scratch/patdat"
