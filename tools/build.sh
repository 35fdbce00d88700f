#!/usr/bin/env bash
# Set-up and the build trees: host (generators, host tests) first, then the
# Windows trees, which embed what the host tree generated.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/tools/setup.sh"
JOBS="$(nproc)"
# ORV_TREE_PREFIX gives a developer private trees (build/<prefix>host, ...);
# ORV_SKIP_WIN32=1 skips the i686 tree; ORV_DIRS="a;b" builds only those folders.
P="${ORV_TREE_PREFIX:-}"
DIRS=()
[ -n "${ORV_DIRS:-}" ] && DIRS=(-DORV_DIRS="$ORV_DIRS")
cmake -S "$ROOT" -B "$ROOT/build/${P}host" -DCMAKE_BUILD_TYPE=Release "${DIRS[@]}" >/dev/null
cmake --build "$ROOT/build/${P}host" -j"$JOBS"
# win64 is the tree the tests run under Wine; win32 builds the shipped program.
for arch in x86_64 i686; do
  tree="$ROOT/build/${P}win64"
  if [ "$arch" = i686 ]; then
    [ "${ORV_SKIP_WIN32:-0}" = 1 ] && continue
    tree="$ROOT/build/${P}win32"
  fi
  cmake -S "$ROOT" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
    -DORV_GEN_DIR="$ROOT/build/${P}host/generated" "${DIRS[@]}" >/dev/null
  cmake --build "$tree" -j"$JOBS"
done
