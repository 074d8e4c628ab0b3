#!/usr/bin/env bash
# Pictures of the program for docs/pictures/ (or the folder given): the main
# window in three skins and three languages, the main window at 150 % and 200 %
# display scale, the version window, the contrast line failing and passing, and
# one sheet
# of the main window in every language of the pack (languages.png, each picture
# with the language's name under it). Runs the real HueSnap.exe in a private
# Xvfb and Wine prefix; the skin and language are chosen the way the program
# keeps them, in its settings.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

configure_and_build
OUT=${1:-$ROOT/docs/pictures}
mkdir -p "$OUT"
EXE="$BUILD_DIR/bin/HueSnap.exe"
WINCTL="$BUILD_DIR/bin/winctl.exe"
KEY='HKCU\Software\Tuvo\Tuvo HueSnap\SaveData'
TITLE="Tuvo HueSnap"

cleanup() {
  stop_wine
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb
PREFIX_DIR="$BUILD_DIR/wine-shots-prefix"
rm -rf "$PREFIX_DIR"
use_wine_prefix "$PREFIX_DIR"
start_wine
set_wine_unmanaged

wine_run() { "$BUILD_DIR/wine-run.sh" "$@"; }

# Saves the window titled $1 (with a margin of desktop) as $2.
save_window() {
  local geometry
  geometry=$(wine_run "$WINCTL" rect "$1" 8 | tr -d '\r')
  [ -n "$geometry" ] || fail "no window titled \"$1\" to take a picture of"
  import -window root -crop "$geometry" +repage "$2" || fail "could not save $2"
  echo "picture: $2"
}

# One start of the program with the given skin and language; with a command
# number, that menu command is run first and the window it opens is pictured.
# A file name without a folder goes to the output folder.
picture() {
  local file=$1 skin=$2 language=$3 command=${4:-} window=${5:-$TITLE}
  [[ $file == */* ]] || file="$OUT/$file"
  wine_run reg add "$KEY\\Skin" /ve /d "$skin" /f >/dev/null 2>&1
  wine_run reg add "$KEY\\Language" /ve /d "$language" /f >/dev/null 2>&1
  wine_run "$EXE" &
  local pid=$!
  wine_run "$WINCTL" wait "$TITLE" 60000 || fail "the program's window did not appear"
  if [ -n "$command" ]; then
    wine_run "$WINCTL" command "$TITLE" "$command" >/dev/null
    wine_run "$WINCTL" wait "$window" 30000 || fail "no window titled \"$window\" appeared"
  fi
  sleep 1  # the first paint
  save_window "$window" "$file"
  wine_run "$WINCTL" close "$TITLE" 30000 || fail "the program did not close"
  wait "$pid" || true
}

picture main-black-black.png "Black Black" English
picture main-sky-blue.png "Sky Blue" English
picture main-pink.png "Pink" English
picture main-deutsch.png "Sky Blue" German
picture main-francais.png "Sky Blue" French
picture main-russian.png "Sky Blue" Russian
picture version-window.png "Sky Blue" English 10000 "Version Information"
# The contrast line: the first start's pair fails every grade; Contrast > Fix
# Contrast to AA (command 410) darkens the background until normal text passes AA.
picture contrast-failing.png "Sky Blue" English
picture contrast-passing.png "Sky Blue" English 410
# The fix stored its colour: the pictures after these show the first start's pair again.
wine_run reg delete "$KEY\\MainWindow\\View" /v BackgroundColor /f >/dev/null 2>&1 || true

# The display scale: Wine reads the DPI (LogPixels) when a process starts.
DESKTOP_KEY='HKCU\Control Panel\Desktop'
for scale in 150:144 200:192; do
  wine_run reg add "$DESKTOP_KEY" /v LogPixels /t REG_DWORD /d "${scale#*:}" /f >/dev/null 2>&1 ||
    fail "could not set the display scale"
  picture "main-scale-${scale%%:*}.png" "Sky Blue" English
done
wine_run reg add "$DESKTOP_KEY" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1 || true

# The magnifier: Alt held over coloured letters in another window, the pointer
# on a letter's edge; the picture takes the letters and the lens beside them.
wine_run "$EXE" &
pid=$!
wine_run "$WINCTL" wait "$TITLE" 60000 || fail "the program's window did not appear"
wine_run "$WINCTL" hold-alt 760 120 4000 &
holder=$!
sleep 2.5
import -window root -crop 360x240+740+110 +repage "$OUT/lens.png" || fail "could not save $OUT/lens.png"
echo "picture: $OUT/lens.png"
wait "$holder" || fail "could not hold Alt over the letters"
wine_run "$WINCTL" close "$TITLE" 30000 || fail "the program did not close"
wait "$pid" || true
# The sample stored the letters' colour: the pictures after this one show the
# first start's pair again.
wine_run reg delete "$KEY\\MainWindow\\View" /v BackgroundColor /f >/dev/null 2>&1 || true

# The sheet of all languages: the English names in the pack's order, one
# picture each, tiled seven to a row. Screenshots have few colours: 256 keep
# them as they are and the sheet small.
SHEET_DIR="$BUILD_DIR/language-pictures"
rm -rf "$SHEET_DIR"
mkdir -p "$SHEET_DIR"
mapfile -t LANGUAGES < <(python3 -c '
import sys, xml.etree.ElementTree as ET
for entry in ET.parse(sys.argv[1]).getroot().find("languages"):
    print(entry.get("engName"))
' "$ROOT/resources/lang/LangPack.xml")
[ ${#LANGUAGES[@]} -gt 0 ] || fail "no languages in the pack"

# Wine ships no font with Chinese, Japanese or Korean letters, and of the fonts
# linked behind its dialog font only the first one installed stands in for
# missing letters: one with the East Asian letters (Debian's fonts-wqy-microhei)
# then hides the system's fallback that has Arabic, Persian and some Latin ones.
# So it is linked only while an East Asian language is pictured.
CJK_FONT="WenQuanYi Micro Hei"
LINKED_FONTS=("MS UI Gothic" "SimSun" "Gulim" "PMingLiU")
REPLACEMENTS='HKCU\Software\Wine\Fonts\Replacements'
have_cjk_font=0
if fc-list 2>/dev/null | grep -q "$CJK_FONT"; then
  have_cjk_font=1
else
  echo "screenshots: no $CJK_FONT (fonts-wqy-microhei): Chinese, Japanese and Korean texts show as boxes" >&2
fi
link_cjk_font() {
  [ $have_cjk_font = 1 ] || return 0
  local linked
  for linked in "${LINKED_FONTS[@]}"; do
    if [ "$1" = on ]; then
      wine_run reg add "$REPLACEMENTS" /v "$linked" /t REG_SZ /d "$CJK_FONT" /f >/dev/null 2>&1 ||
        fail "could not give Wine the font $CJK_FONT for $linked"
    else
      wine_run reg delete "$REPLACEMENTS" /v "$linked" /f >/dev/null 2>&1 || true
    fi
  done
}

tiles=()
for index in "${!LANGUAGES[@]}"; do
  name=${LANGUAGES[$index]}
  file=$(printf '%s/%02d.png' "$SHEET_DIR" "$index")
  case $name in
    Chinese_* | Japanese | Korean) link_cjk_font on ;;
    *) link_cjk_font off ;;
  esac
  picture "$file" "Sky Blue" "$name"
  tiles+=(-label "${name//_/ }" "$file")
done
link_cjk_font off
LABEL_FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
font=()
[ -f "$LABEL_FONT" ] && font=(-font "$LABEL_FONT")
montage "${font[@]}" -pointsize 13 "${tiles[@]}" -tile 7x -geometry +4+4 -background white "$SHEET_DIR/sheet.png" ||
  fail "could not make the sheet of languages"
CONVERT=/usr/bin/convert
[ -x "$CONVERT" ] || CONVERT=convert
"$CONVERT" "$SHEET_DIR/sheet.png" -dither None -colors 256 "PNG8:$OUT/languages.png" ||
  fail "could not save $OUT/languages.png"
echo "picture: $OUT/languages.png ($(du -k "$OUT/languages.png" | cut -f1) KB)"
