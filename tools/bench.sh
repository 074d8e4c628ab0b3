#!/usr/bin/env bash
# Builds and runs the benchmark programs under Wine (optimised build in build-bench/).
#   tools/bench.sh [library ...]        e.g. tools/bench.sh foundation
#   tools/bench.sh program [options]    HueSnap.exe against a bare window program;
#                                       options go to program_bench.exe (--quick, --starts N, ...)
set -euo pipefail
export HUESNAP_BUILD_DIR=${HUESNAP_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build-bench}
export HUESNAP_BUILD_TYPE=Release
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# The program benchmark needs only its own programs (HueSnap.exe, the yardsticks,
# the stripped copy): the rest of the tree is not built for it.
if [ "${1:-}" = program ]; then configure_and_build --target program_bench; else configure_and_build; fi
use_wine_prefix "$BUILD_DIR/wineprefix"
cleanup() { stop_wine; stop_xvfb; }
trap cleanup EXIT
cd "$BUILD_DIR/bin"

if [ "${1:-}" = program ]; then
  shift
  # The program benchmark shows windows and presses keys: it gets a display of
  # its own, with Wine placing windows itself as on Windows (no window manager).
  start_xvfb
  start_wine
  set_wine_unmanaged
  echo "== program_bench"
  exec_status=0
  "$BUILD_DIR/wine-run.sh" ./program_bench.exe "$@" || exec_status=$?
  exit "$exec_status"
fi

start_wine
if [ $# -eq 0 ]; then set -- $(ls *_bench.exe 2>/dev/null | sed 's/_bench.exe$//' | grep -vx program); fi
[ $# -gt 0 ] || fail "no benchmark programs were built"
for area in "$@"; do
  echo "== ${area}_bench"
  "$BUILD_DIR/wine-run.sh" "./${area}_bench.exe"
done
