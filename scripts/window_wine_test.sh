#!/usr/bin/env bash
# The native window under Wine, driven as a user drives it (build/windows/window_driver.exe):
# the sample converted into a new folder, with はい to the folder question, must give the files
# and tables the Linux command line gives; a source of the wrong kind must show its message box
# and never the success text; the picture's soil bands must show their colours on screen; a
# first start without settings shows the search window, whose Cancel ends the search.
# Needs a display (scripts/test.sh runs it under xvfb-run) and the prefix of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
: "${WINEPREFIX:?run from scripts/test.sh}"
wine=${BORINGCONV_WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
windows=$PWD/build/windows
scratch=$(mktemp -d "$windows/window-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Japanese in the UI font: the CJK font in the prefix, linked behind Wine's default UI font.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
ln -sf /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc "$fonts/"
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
  /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null 2>&1

winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }

# One boring converted at the same paths by each program: the outputs name their folder.
fresh() {
  rm -rf "$scratch/run"
  mkdir -p "$scratch/run/src"
  cp samples/boring.txt "$scratch/run/src/"
  cp -r samples/patdat "$scratch/run/patdat"
}
fresh
build/release/boringconv --yes --patdat "$scratch/run/patdat" "$scratch/run/src/boring.txt" \
  "$scratch/run/SITE/B1" >/dev/null
mv "$scratch/run" "$scratch/linux"

fresh
printf '\r\n%s\\\r\n' "$(winpath "$scratch/run/patdat")" \
  >"$WINEPREFIX/drive_c/windows/system32/PatdatV5.ini"
"$wine" "$windows/window_driver.exe" "$(winpath "$windows/boringconv-window.exe")" \
  "$(winpath "$scratch/run/src/boring.txt")" "$(winpath "$scratch/run/SITE/B1")" \
  'ﾌｫﾙﾀﾞがありません。新規作成しますか？'
diff -r "$scratch/linux" "$scratch/run"
echo "window under Wine: the sample's files equal the command line's"

printf 'XYZ\r\n2000 1.0 x\r\n' >"$scratch/run/src/other.txt"
"$wine" "$windows/window_driver.exe" "$(winpath "$windows/boringconv-window.exe")" \
  "$(winpath "$scratch/run/src/other.txt")" "$(winpath "$scratch/run/SITE/B2")" \
  '選択された変換元ファイルは違います。' bad
echo "window under Wine: a source of the wrong kind is refused"

rm -f "$WINEPREFIX/drive_c/windows/system32/PatdatV5.ini"
"$wine" "$windows/window_driver.exe" "$(winpath "$windows/boringconv-window.exe")" first-start
echo "window under Wine: a first start's search can be cancelled"
