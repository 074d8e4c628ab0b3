#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's archive only,
# and builds the cross-compiled third-party libraries into a cache folder that
# survives clean clones. Safe to run again: it only does what is missing.
#
#   tools/setup.sh          install packages and build dependencies
#   tools/setup.sh --print  print the dependency prefix (after setup)
set -euo pipefail

die() { echo "setup: $*" >&2; exit 1; }

DEPS_ROOT=${HUESNAP_DEPS:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tuvo-huesnap}
PREFIX="$DEPS_ROOT/x86_64-w64-mingw32"
JPEG_STAMP="$PREFIX/.libjpeg-turbo.done"

if [ "${1:-}" = "--print" ]; then echo "$PREFIX"; exit 0; fi

PACKAGES=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  cmake ninja-build
  wine wine64
  xvfb x11-utils imagemagick fonts-wqy-microhei
  googletest
  nsis
  dpkg-dev ca-certificates python3
)

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

apt_updated=0
apt_update_once() {
  [ "$apt_updated" = 1 ] && return 0
  as_root apt-get update -qq || die "apt-get update failed: check the network and /etc/apt/sources.list.d, then run again"
  apt_updated=1
}

install_packages() {
  local need
  need=$(missing_packages)
  [ -z "$need" ] && return 0
  echo "setup: installing $(echo $need | tr '\n' ' ')"
  apt_update_once
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $need >/dev/null \
    || die "could not install: $(echo $need) (run 'apt-get install $(echo $need)' to see why)"
}

# apt-get source needs a deb-src entry; we copy the archive address from the
# machine's own binary entry instead of naming a host here.
ensure_deb_src() {
  local src=/etc/apt/sources.list.d/huesnap-src.sources uri
  [ -f "$src" ] && return 0
  if grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src ' /etc/apt/sources.list; then
    return 0
  fi
  uri=$(grep -h '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1 | awk '{print $2}')
  [ -z "$uri" ] && uri=$(awk '/^deb /{print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  [ -n "$uri" ] || die "no Debian archive address found in /etc/apt to fetch source packages from"
  local suite
  suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  as_root tee "$src" >/dev/null <<SRC
Types: deb-src
URIs: $uri
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt_updated=0
}

build_libjpeg() {
  [ -f "$JPEG_STAMP" ] && return 0
  ensure_deb_src
  apt_update_once
  local work
  work=$(mktemp -d "$DEPS_ROOT/.work.XXXXXX")
  trap 'rm -rf "$work"' RETURN
  echo "setup: fetching and building libjpeg-turbo for x86_64-w64-mingw32"
  (cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) \
    || die "could not fetch the libjpeg-turbo source package (apt-get source libjpeg-turbo); check the network and run again"
  local srcdir
  srcdir=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
  [ -n "$srcdir" ] || die "libjpeg-turbo source package unpacked to an unexpected layout"
  cmake -S "$srcdir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$HERE/../cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$work/install" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DWITH_JPEG8=OFF >"$work/configure.log" 2>&1 \
    || { tail -n 20 "$work/configure.log" >&2; die "configuring libjpeg-turbo failed"; }
  cmake --build "$work/build" --target jpeg-static >"$work/build.log" 2>&1 \
    || { tail -n 20 "$work/build.log" >&2; die "building libjpeg-turbo failed"; }
  # Install by hand: only the static library and the four public headers.
  mkdir -p "$work/install/lib" "$work/install/include"
  cp "$work/build/libjpeg.a" "$work/install/lib/"
  cp "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" "$work/build/jconfig.h" "$work/install/include/"
  # Publish atomically so a failed run never leaves a half-built prefix.
  mkdir -p "$PREFIX"
  rm -rf "$PREFIX/lib/libjpeg.a" "$PREFIX/include/jpeglib.h"
  mkdir -p "$PREFIX/lib" "$PREFIX/include"
  cp -a "$work/install/." "$PREFIX/"
  basename "$srcdir" >"$JPEG_STAMP"
}

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$DEPS_ROOT"
install_packages
build_libjpeg
