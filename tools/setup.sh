#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages only.
# Idempotent: when everything is present it only checks and returns.
# Logs to build/setup.log and names the step that failed.
set -u
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
LOG="$BUILD/setup.log"
mkdir -p "$BUILD"
: >>"$LOG"

step() {
  local name="$1"
  shift
  echo "== $(date +%T) $name" >>"$LOG"
  if ! "$@" >>"$LOG" 2>&1; then
    echo "setup: step '$name' failed; see $LOG" >&2
    tail -n 20 "$LOG" >&2
    exit 1
  fi
}

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth x11-utils locales fonts-wqy-microhei
  cmake make googletest lzma-dev libjpeg62-turbo-dev dpkg-dev imagemagick clang
  libclang-rt-14-dev clang-format libfreetype-dev)

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || echo "$p"
  done
}

add_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  $SUDO dpkg --add-architecture i386
}

# apt-get source needs a deb-src entry; derive one from the machine's own Debian entries.
add_deb_src() {
  if grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src' /etc/apt/sources.list; then
    return 0
  fi
  local out=/etc/apt/sources.list.d/orvanta-deb-src.sources f
  : | $SUDO tee "$out" >/dev/null
  for f in /etc/apt/sources.list.d/*.sources; do
    [ "$f" = "$out" ] && continue
    grep -q 'debian' "$f" || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$f" | $SUDO tee -a "$out" >/dev/null
    echo | $SUDO tee -a "$out" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $SUDO tee -a /etc/apt/sources.list.d/orvanta-deb-src.list >/dev/null || true
  fi
  NEED_UPDATE=1
}

install_packages() {
  local miss
  miss=$(missing_packages)
  if [ -n "$miss" ] || [ "${NEED_UPDATE:-0}" = 1 ]; then
    $SUDO apt-get update
  fi
  [ -z "$miss" ] && return 0
  # shellcheck disable=SC2086
  $SUDO apt-get install -y --no-install-recommends $miss
}

gen_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' && return 0
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen
  $SUDO locale-gen
}

# libjpeg-turbo from Debian's source package, cross-built once per Windows target.
build_libjpeg() {
  local arch="$1" prefix="$BUILD/deps/libjpeg-$1"
  [ -f "$prefix/lib/libjpeg.a" ] && return 0
  local src="$BUILD/deps/src"
  if [ ! -d "$src/libjpeg-turbo" ]; then
    rm -rf "$src"
    mkdir -p "$src"
    (cd "$src" && apt-get source --download-only libjpeg-turbo && dpkg-source -x --no-check ./*.dsc libjpeg-turbo) || return 1
  fi
  rm -rf "$BUILD/deps/libjpeg-build-$arch"
  cmake -S "$src/libjpeg-turbo" -B "$BUILD/deps/libjpeg-build-$arch" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -DCMAKE_INSTALL_PREFIX="$prefix" || return 1
  cmake --build "$BUILD/deps/libjpeg-build-$arch" -j"$(nproc)" || return 1
  cmake --install "$BUILD/deps/libjpeg-build-$arch" || return 1
}

step "enable the i386 architecture" add_i386
step "derive a deb-src entry" add_deb_src
step "install Debian packages" install_packages
step "generate the zh_CN.UTF-8 locale" gen_locale
step "cross-build libjpeg-turbo for i686" build_libjpeg i686
step "cross-build libjpeg-turbo for x86_64" build_libjpeg x86_64
exit 0
