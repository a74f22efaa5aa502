#!/usr/bin/env bash
# The Windows installer under Wine, as a user's machine would take it:
# installs per machine without questions (files under Program Files, a
# Start-menu entry, an uninstall entry); the installed program converts the
# sample to the same bytes as the host build; a newer installer replaces it
# in place; removing it takes every installed file and leaves the user's
# settings and pattern-data folder alone.
#
#   tests/install/msi_test.sh WINDOWS_BUILD_DIR HOST_PROGRAM
# with WINEPREFIX set to a prefix of the tests' own (scripts/test.sh).
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
build="$1"
host="$2"
wine=${BORINGCONV_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
: "${WINEPREFIX:?set WINEPREFIX to the tests own prefix}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "msi_test: $*" >&2
  exit 1
}

msi=$("$repo/scripts/build-msi.sh" "$build" "$scratch/v1")
msi2=$(BORINGCONV_MSI_VERSION=99.0.0 "$repo/scripts/build-msi.sh" "$build" "$scratch/v2")
programs="$WINEPREFIX/drive_c/Program Files/boringconv"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entries() { "$wine" reg query "$uninstall_key" /s 2>/dev/null | grep -c 'boringconv [0-9]' || true; }

"$wine" msiexec /x "$msi2" /qn >/dev/null 2>&1 || true # a run that stopped half way
"$wine" msiexec /i "$msi" /qn || fail "msiexec /i failed"
for file in boringconv.exe README.md help/index.html samples/boring.txt samples/patdat/KISHITU.TXT; do
  [ -f "$programs/$file" ] || fail "not installed: Program Files/boringconv/$file"
done
find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/boringconv.lnk' | grep -q . ||
  fail "no Start-menu entry"
[ "$(entries)" = 1 ] || fail "expected one uninstall entry, found $(entries)"

# The user's pattern data (a copy of the sample's) and settings, saved by
# the installed program into the user's folder.
# Both programs run in the same folder, one after the other (CNT.TXT holds
# the destination's path), each on a fresh copy of the sample's tables.
run="$scratch/run"
mkdir -p "$run"
cp -r "$programs/samples/patdat" "$run/patdat"
win_patdat=$("$wine" winepath -w "$run/patdat" 2>/dev/null)
"$wine" "$programs/boringconv.exe" --patdat "$win_patdat" --save-patdat >/dev/null ||
  fail "--save-patdat failed"
appdata=$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
settings=$("$wine" winepath -u "$appdata\\boringconv" 2>/dev/null)
[ -f "$settings/PatdatV5.ini" ] || fail "no PatdatV5.ini in the user's folder $settings"

"$wine" "$programs/boringconv.exe" --yes "$("$wine" winepath -w "$programs/samples/boring.txt")" \
  "$("$wine" winepath -w "$run/out")" >/dev/null || fail "the installed program failed"
mv "$run" "$scratch/win"
mkdir -p "$run"
cp -r "$programs/samples/patdat" "$run/patdat"
"$host" --yes --patdat "$run/patdat" "$repo/samples/boring.txt" "$run/out" >/dev/null ||
  fail "the host program failed"
diff -r "$run" "$scratch/win" || fail "the conversions differ"
[ -z "$(find "$programs" -iname patadd.txt)" ] || fail "PATADD.txt written under Program Files"

"$wine" msiexec /i "$msi2" /qn || fail "the newer installer failed"
[ "$(entries)" = 1 ] || fail "the upgrade left $(entries) uninstall entries"
[ -f "$programs/boringconv.exe" ] || fail "the upgrade lost boringconv.exe"

"$wine" msiexec /x "$msi2" /qn || fail "msiexec /x failed"
[ -z "$(find "$programs" -type f 2>/dev/null)" ] || fail "left behind: $(find "$programs" -type f)"
[ "$(entries)" = 0 ] || fail "the uninstall entry stayed"
! find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/boringconv.lnk' | grep -q . ||
  fail "the Start-menu entry stayed"
[ -f "$settings/PatdatV5.ini" ] || fail "removing the program took the user's settings"
diff -r "$run" "$scratch/win" >/dev/null || fail "the pattern data changed"
rm -rf "$settings"
echo "msi_test: installed, converted, upgraded and removed $(basename "$msi")"
