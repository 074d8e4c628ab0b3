#!/usr/bin/env bash
# Builds everything (program, tools, tests) into build/ (or $HUESNAP_BUILD_DIR).
# Extra arguments go to `cmake --build`, e.g. `tools/build.sh --target package`.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
configure_and_build "$@"
echo "built: $BUILD_DIR/bin/HueSnap.exe"
