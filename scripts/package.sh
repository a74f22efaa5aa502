#!/usr/bin/env bash
# Builds the packages: the Debian package from the release preset, and the
# Windows zip (portable use) and installer (.msi, scripts/build-msi.sh) from
# the windows preset, into build/packages, and prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
out="$PWD/build/packages"
mkdir -p "$out"
for preset in release windows; do
  echo "== $preset ==" >&2
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs" >&2
  (cd "build/$preset" && cpack -B "$out" >&2)
done
rm -rf "$out/_CPack_Packages"
scripts/build-msi.sh build/windows "$out" >/dev/null
find "$out" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.zip' -o -name '*.msi' \) | sort
