#!/usr/bin/env bash
# Builds and runs every test: the format check, the release build (warnings as errors), then the
# build with AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows
# build (MinGW-w64) with its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== format =="
git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

jobs=$(nproc 2>/dev/null || echo 2)
for preset in release sanitize; do
  echo "== $preset build =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

echo "== windows build =="
start=$SECONDS
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# A scratch Wine prefix of our own, as in the windows test preset. Its first
# start lays the prefix out, which can be slow; later starts reuse it.
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap '"$wineserver" -k 2>/dev/null || true' EXIT
if ! timeout 300 "$wine" wineboot --init >/dev/null 2>&1; then
  echo "Wine could not start (wineboot)" >&2
  exit 1
fi
ctest --preset windows
# The native window, driven under a virtual display. The display is chosen
# when Wine's desktop process starts, so the Wine started above ends first.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
BORINGCONV_WINE="$wine" xvfb-run -a -s "-screen 0 1280x1024x24" scripts/window_wine_test.sh
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
# Every whole-run case again through the host program and boringconv.exe under
# Wine, with drive letters mapped to scratch folders: the files must be equal.
BORINGCONV_WINE="$wine" BORINGCONV_WINDOWS_CLI="$PWD/build/windows/boringconv.exe" \
  ctest --preset release -R '^e2e/' -j "$jobs"
echo "windows stage: $((SECONDS - start)) s"

echo "== fuzz =="
scripts/fuzz.sh 60
