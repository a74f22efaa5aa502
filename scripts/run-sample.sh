#!/usr/bin/env bash
# Builds the converter and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)"
build/release/boringconv --version
