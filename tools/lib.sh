# Shared by the build, run and test scripts. Source it; it defines functions only.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${HUESNAP_BUILD_DIR:-$ROOT/build}
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$ROOT/$BUILD_DIR" ;; esac

fail() { echo "$(basename "$0"): $*" >&2; exit 1; }

# Installs what is missing, configures once, builds what changed.
configure_and_build() {
  "$ROOT/tools/setup.sh" || fail "setting up the prerequisites failed (see above)"
  local prefix
  prefix=$("$ROOT/tools/setup.sh" --print)
  # A developer's ccache, when there is one, is shared by every checkout of the
  # project on the machine: paths are hashed relative to the checkout's parent.
  local launcher=""
  if command -v ccache >/dev/null 2>&1; then
    launcher=ccache
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$ROOT")}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
  fi
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    # Configure into a temporary folder first would lose nothing either, but a
    # failed configure must not leave a build.ninja that later runs trust.
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
      -DHUESNAP_DEPS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE="${HUESNAP_BUILD_TYPE:-RelWithDebInfo}" \
      ${launcher:+-DCMAKE_C_COMPILER_LAUNCHER=$launcher -DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} \
      >"$BUILD_DIR.configure.log" 2>&1 \
      || { tail -n 30 "$BUILD_DIR.configure.log" >&2; rm -f "$BUILD_DIR/build.ninja" "$BUILD_DIR/CMakeCache.txt"; \
           fail "configuring the build failed (log: $BUILD_DIR.configure.log)"; }
  fi
  cmake --build "$BUILD_DIR" "$@" || fail "the build failed (see above)"
}

XVFB_PID=""
# Starts a private X server on a free display number and exports DISPLAY.
start_xvfb() {
  command -v Xvfb >/dev/null || fail "Xvfb is missing: run tools/setup.sh"
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  done
  fail "could not start an X server (Xvfb) on any display from :90 to :190"
}

stop_xvfb() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# Wine in the given prefix: quiet, no installer prompts.
use_wine_prefix() {
  export HUESNAP_WINEPREFIX="$1" WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
}

# Creates the prefix if needed and keeps one wineserver alive for the run.
start_wine() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$BUILD_DIR/wine-run.sh" wineboot -i >/dev/null 2>&1 \
    || fail "Wine would not start in $WINEPREFIX (try: WINEPREFIX=$WINEPREFIX wineboot -i)"
  wineserver -p >/dev/null 2>&1 || true
}

# Under Xvfb no window manager answers: in Wine's default (managed) mode every
# show, hide and close waits for one in vain, and a drag by the caption or body
# moves nothing. Unmanaged, Wine places windows itself as Windows does.
set_wine_unmanaged() {
  "$BUILD_DIR/wine-run.sh" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 \
    || fail "could not switch Wine's X11 driver to unmanaged windows in $WINEPREFIX"
}

# Gives managed mode back, for a prefix that is also used on a real desktop.
unset_wine_unmanaged() {
  "$BUILD_DIR/wine-run.sh" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
}

# Web pages the programs open go to a script that appends each address to
# opened-pages.log beside itself, instead of a browser. Whole-program tests read
# that file (they find it through the WineBrowser value).
install_page_recorder() {
  local script="$WINEPREFIX/record-opened-page.sh"
  cat >"$script" <<'SCRIPT'
#!/bin/sh
# Stands in for a web browser: records the address it was asked to open.
printf '%s\n' "$1" >>"$(dirname "$0")/opened-pages.log"
SCRIPT
  chmod +x "$script"
  "$BUILD_DIR/wine-run.sh" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$script" /f \
    >/dev/null 2>&1 || fail "could not point Wine's browser launcher at $script"
}

stop_wine() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
