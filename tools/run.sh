#!/usr/bin/env bash
# Builds HueSnap.exe and starts it under Wine.
# With DISPLAY set it runs on that display until you close it. Without one it
# starts its own Xvfb, waits for the main window, saves a screenshot to
# build/screenshot.png (or $1), closes the program and the display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

configure_and_build
EXE="$BUILD_DIR/bin/HueSnap.exe"
use_wine_prefix "${HUESNAP_RUN_PREFIX:-$BUILD_DIR/wineprefix}"

if [ -n "${DISPLAY:-}" ]; then
  exec "$BUILD_DIR/wine-run.sh" "$EXE"
fi

SHOT=${1:-$BUILD_DIR/screenshot.png}
PROGRAM_PID=""
UNMANAGED=""
cleanup() {
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
  # The prefix is also used on real desktops, where a window manager runs.
  [ -n "$UNMANAGED" ] && unset_wine_unmanaged
  stop_wine
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb
start_wine
set_wine_unmanaged
UNMANAGED=1
"$BUILD_DIR/wine-run.sh" "$EXE" &
PROGRAM_PID=$!
"$BUILD_DIR/wine-run.sh" "$BUILD_DIR/bin/winctl.exe" wait "Tuvo HueSnap" 60000 \
  || fail "the program's window did not appear"
sleep 1  # let the first paint reach the screen
# The window with a little of the desktop round it (the whole screen when unknown).
GEOMETRY=$("$BUILD_DIR/wine-run.sh" "$BUILD_DIR/bin/winctl.exe" rect "Tuvo HueSnap" 12 | tr -d '\r') || GEOMETRY=""
import -window root ${GEOMETRY:+-crop "$GEOMETRY" +repage} "$SHOT" || fail "could not save the screenshot"
echo "screenshot: $SHOT"
"$BUILD_DIR/wine-run.sh" "$BUILD_DIR/bin/winctl.exe" close "Tuvo HueSnap" 30000 \
  || fail "the program did not close when asked"
wait "$PROGRAM_PID" || fail "the program exited with status $?"
PROGRAM_PID=""
