#!/usr/bin/env bash
# Builds and runs the benchmark programs under Wine (optimised build in build-bench/).
#   tools/bench.sh [library ...]
set -euo pipefail
export HUESNAP_BUILD_DIR=${HUESNAP_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build-bench}
export HUESNAP_BUILD_TYPE=Release
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
configure_and_build
use_wine_prefix "$BUILD_DIR/wineprefix"
trap stop_wine EXIT
start_wine
cd "$BUILD_DIR/bin"
if [ $# -eq 0 ]; then set -- $(ls *_bench.exe 2>/dev/null | sed 's/_bench.exe$//'); fi
[ $# -gt 0 ] || fail "no benchmark programs were built"
for area in "$@"; do
  echo "== ${area}_bench"
  "$BUILD_DIR/wine-run.sh" "./${area}_bench.exe"
done
