#!/usr/bin/env bash
# Pictures of the program for docs/pictures/ (or the folder given): the main
# window in three skins and three languages, and the version window. Runs the
# real HueSnap.exe in a private Xvfb and Wine prefix; the skin and language are
# chosen the way the program keeps them, in its settings.
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
picture() {
  local file=$1 skin=$2 language=$3 command=${4:-} window=${5:-$TITLE}
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
  save_window "$window" "$OUT/$file"
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
