#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
# Run as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config libgtest-dev clang-format   # core, tests
  python3                                                     # the compat-table check
  libpugixml-dev librsvg2-bin                                 # picture tests; SVG to PNG by hand
  qt6-base-dev libgl-dev xvfb xauth fonts-noto-cjk            # the window and its tests
  g++-mingw-w64-x86-64 googletest wine64                      # the Windows build and its tests
  dpkg-dev                                                    # the Debian package (dpkg-shlibdeps)
  clang libclang-rt-14-dev                                    # libFuzzer (scripts/fuzz.sh)
)

repo="$(cd "$(dirname "$0")/.." && pwd)"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The Windows cross-build compiles pugixml from Debian's source package,
# unpacked into build/deps/ (cmake/pugixml.cmake finds it there).
deps="$repo/build/deps"
if ! compgen -G "$deps/pugixml-*/src/pugixml.cpp" >/dev/null; then
  if ! apt-get source --print-uris pugixml >/dev/null 2>&1; then
    # Source indexes for the suites already configured, in a file of our own.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        $sudo tee /etc/apt/sources.list.d/boringconv-deb-src.sources >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
      grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
        $sudo tee /etc/apt/sources.list.d/boringconv-deb-src.list >/dev/null
    fi
    $sudo apt-get update -q
  fi
  mkdir -p "$deps"
  (cd "$deps" && apt-get source -q pugixml)
fi
