#!/usr/bin/env bash
# Makes the README's pictures of the window (docs/images/*.png) on a virtual
# X server: the first start with an empty settings folder, and the window
# after converting the bundled sample.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j2 --target window_screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  build/release/src/window/tests/window_screenshots docs/images
ls -l docs/images
