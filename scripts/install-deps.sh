#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
# Run as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config libgtest-dev clang-format   # core, tests
  libpugixml-dev librsvg2-bin                                 # picture tests; SVG to PNG by hand
  qt6-base-dev libgl-dev xvfb xauth fonts-noto-cjk            # the window and its tests
  g++-mingw-w64-x86-64 googletest wine64                      # the Windows build and its tests
  dpkg-dev                                                    # the Debian package (dpkg-shlibdeps)
  clang libclang-rt-14-dev                                    # libFuzzer (scripts/fuzz.sh)
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
