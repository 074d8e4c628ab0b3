#!/usr/bin/env bash
# Builds and runs every test under Wine, in a fresh Wine prefix and a private
# Xvfb display, and always cleans up both. Exit status is CTest's.
# Extra arguments go to ctest, e.g. `tools/test.sh -L unit` or `-R foundation`.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# HUESNAP_BUILD_TARGET=x builds only that target (handy while other folders are mid-change).
# HUESNAP_TEST_MANAGED=1 leaves Wine's windows managed (slow without a window
# manager; only for comparing the two modes).
configure_and_build ${HUESNAP_BUILD_TARGET:+--target $HUESNAP_BUILD_TARGET}

cleanup() {
  stop_wine
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb
# A new prefix per run: no registry value or file of one run reaches the next.
PREFIX_DIR="$BUILD_DIR/wine-test-prefix"
rm -rf "$PREFIX_DIR"
use_wine_prefix "$PREFIX_DIR"
start_wine
# Before any test starts a window: see set_wine_unmanaged.
[ -n "${HUESNAP_TEST_MANAGED:-}" ] || set_wine_unmanaged
install_page_recorder

status=0
ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error -j2 "$@" || status=$?
exit $status
