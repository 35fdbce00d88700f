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
  JPEG_BUILD="$OUT/libjpeg-build"
  if [ ! -f "$JPEG_BUILD/libjpeg.a" ]; then
    cmake -S "$JPEG_SRC" -B "$JPEG_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_C_FLAGS="${SAN[*]}" -DWITH_SIMD=0 -DENABLE_SHARED=0 \
      -DWITH_TURBOJPEG=0 >/dev/null
    cmake --build "$JPEG_BUILD" -j"$(nproc)" --target jpeg-static >/dev/null
  fi
  # jconfig.h is generated into the build folder, the other headers are sources.
  JPEG_INC=(-I"$JPEG_BUILD" -I"$JPEG_SRC")
  JPEG_LIB=("$JPEG_BUILD/libjpeg.a")
else
  JPEG_INC=()
  JPEG_LIB=(-ljpeg)
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
