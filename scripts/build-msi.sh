#!/usr/bin/env bash
# Builds the Windows installer (.msi) from a built windows preset with wixl
# (Debian package wixl): the build is installed into a scratch tree, each of
# its files becomes a component (wixl-heat), and data/windows/boringconv.wxs
# adds the Start-menu entry and the upgrade rules. Prints the installer's path.
#
#   scripts/build-msi.sh [BUILD_DIR [OUT_DIR]]   (build/windows, build/packages)
#
# BORINGCONV_MSI_VERSION overrides the project's version (the upgrade test).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$repo/build/windows}" && pwd)"
mkdir -p "${2:-$repo/build/packages}"
out="$(cd "${2:-$repo/build/packages}" && pwd)"

version=${BORINGCONV_MSI_VERSION:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/boringconv" --strip >/dev/null
window=0
if [ -f "$stage/boringconv/boringconv-window.exe" ]; then window=1; fi

(cd "$stage" && find boringconv -type f | LC_ALL=C sort |
  wixl-heat --prefix boringconv/ --directory-ref INSTALLDIR --var var.SourceDir \
    --component-group InstalledFiles --win64) >"$stage/files.wxs"
msi="$out/boringconv-$version-windows-x86_64.msi"
# wixl finds the files by paths relative to where it runs.
(cd "$stage" && wixl --arch x64 -D "Version=$version" -D SourceDir=boringconv -D "Window=$window" \
  -D Win64=yes -o "$msi" "$repo/data/windows/boringconv.wxs" files.wxs)
echo "$msi"
