#!/usr/bin/env bash
# Builds the picture decoder's libFuzzer target with clang (AddressSanitizer,
# and libjpeg-turbo itself instrumented from the source tree that setup
# fetched, else the host's libjpeg) and runs it for SECONDS (default 120).
#   forms/picture/fuzz/run-fuzzer.sh [SECONDS] [extra libFuzzer options...]
# The corpus and any crash files stay in build/<prefix>fuzz-picture.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
SECONDS_TO_RUN="${1:-120}"
shift || true
OUT="$ROOT/build/${ORV_TREE_PREFIX:-}fuzz-picture"
PIC="$ROOT/forms/picture"
mkdir -p "$OUT/corpus" "$OUT/crashes"

SAN=(-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer -g -O1)
JPEG_SRC="$ROOT/build/deps/src/libjpeg-turbo"
if [ -f "$JPEG_SRC/CMakeLists.txt" ]; then
  if [ ! -f "$OUT/libjpeg/lib/libjpeg.a" ]; then
    cmake -S "$JPEG_SRC" -B "$OUT/libjpeg-build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_C_FLAGS="${SAN[*]}" -DWITH_SIMD=0 -DENABLE_SHARED=0 \
      -DWITH_TURBOJPEG=0 -DCMAKE_INSTALL_PREFIX="$OUT/libjpeg" -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
    cmake --build "$OUT/libjpeg-build" -j"$(nproc)" --target jpeg-static >/dev/null
    cmake --install "$OUT/libjpeg-build" >/dev/null 2>&1 || true
  fi
  JPEG_INC=(-I"$OUT/libjpeg/include")
  JPEG_LIB=("$OUT/libjpeg/lib/libjpeg.a")
else
  JPEG_INC=()
  JPEG_LIB=(-ljpeg)
fi
if [ ! -f "${JPEG_LIB[0]}" ] && [ "${JPEG_LIB[0]}" != -ljpeg ]; then
  echo "run-fuzzer: the instrumented libjpeg did not build" >&2
  exit 1
fi

DECODER=("$PIC/picture_decode.cpp" "$PIC/bmp_layout.cpp" "$PIC/bmp_decode.cpp" "$PIC/jpeg_decode.cpp")
clang++ -std=c++17 -Wall -Wextra -Werror "${SAN[@]}" -fsanitize=fuzzer -I"$ROOT" "${JPEG_INC[@]}" \
  "${DECODER[@]}" "$PIC/fuzz/picture_fuzz.cpp" "${JPEG_LIB[@]}" -o "$OUT/picture_fuzz"
# The seeds come from the host's libjpeg: same API, no instrumentation needed.
clang++ -std=c++17 -O1 -I"$ROOT" "$PIC/fuzz/make_picture_seeds.cpp" "$PIC/test/bmp_writer.cpp" \
  "$PIC/test/jpeg_writer.cpp" -ljpeg -o "$OUT/make_picture_seeds"
"$OUT/make_picture_seeds" "$OUT/corpus"

cd "$OUT"
./picture_fuzz -max_total_time="$SECONDS_TO_RUN" -max_len=16384 -rss_limit_mb=2048 \
  -artifact_prefix="$OUT/crashes/" -print_final_stats=1 "$@" corpus
