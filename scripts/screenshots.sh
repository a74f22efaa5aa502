#!/usr/bin/env bash
# Makes the README's pictures of the window (docs/images/*.png) on a virtual
# X server: the first start with an empty settings folder, and the window
# after converting the bundled sample; and the overview of one survey's
# borings from the bundled exchange XML (docs/images/overview.png).
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
