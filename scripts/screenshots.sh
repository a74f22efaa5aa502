#!/usr/bin/env bash
# Makes the README's pictures of the window (docs/images/*.png) on a virtual
# X server: the first start with an empty settings folder, and the window
# after converting the bundled sample; the overview of one survey's borings
# from the bundled exchange XML (docs/images/overview.png); and the native
# Windows window under Wine (docs/images/window-windows.png).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j2 --target window_screenshots boringconv
mkdir -p docs/images
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  build/release/src/window/tests/window_screenshots docs/images

# Three borings of one survey, each with its ground elevation.
site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT
mkdir -p "$site/in"
cp -R samples/patdat "$site/patdat"
for n in 1 7 8; do
  cp "tests/data/exchange/corpus/BOREHOLE_FUKUI_VER4_18000230651800106-BED000$n.xml" "$site/in/"
done
XDG_CONFIG_HOME="$site/config" build/release/boringconv --patdat "$site/patdat" \
  --into "$site/out" --overview "$site/overview.svg" "$site/in" >/dev/null
rsvg-convert -o docs/images/overview.png "$site/overview.svg"
ls -l docs/images

# The native window of the Windows build under Wine, after converting the
# sample (the Wine-driven window test takes it on the way).
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target boringconv-window window_driver
cmake --build --preset release -j2 --target boringconv
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
timeout 300 "$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
BORINGCONV_SCREENSHOT="Z:$(printf '%s' "$PWD/docs/images/window-windows.png" | tr / '\\')" \
  BORINGCONV_WINE="$wine" xvfb-run -a -s "-screen 0 1280x1024x24" scripts/window_wine_test.sh
"$wineserver" -k 2>/dev/null || true
ls -l docs/images/window-windows.png
