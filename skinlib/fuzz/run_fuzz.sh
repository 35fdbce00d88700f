#!/usr/bin/env bash
# Builds the skin fuzzer with clang (address and undefined-behaviour checks;
# the payload checksum is not enforced so mutations reach the parser)
# and runs it for SECONDS seconds (default 300) on a corpus seeded with the
# generated skin files and their payloads.
#   skinlib/fuzz/run_fuzz.sh GENERATED_DIR [SECONDS]
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
GEN="${1:?generated folder with skin_NN.she}"
SECS="${2:-300}"
OUT="$(mktemp -d /tmp/orv-skin-fuzz.XXXXXX)"
LZMA=/usr/include/lzma
clang -c -O1 -g -D_7ZIP_ST -fsanitize=fuzzer-no-link,address,undefined "$LZMA/LzmaDec.c" \
  -o "$OUT/LzmaDec.o"
clang++ -std=c++17 -O1 -g -D_7ZIP_ST -DFUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION -fsanitize=fuzzer,address,undefined \
  -I"$HERE/../include" -I"$LZMA" \
  "$HERE/skin_fuzz.cpp" "$HERE/../format/crc32.cpp" "$HERE/../format/skin_file.cpp" \
  "$HERE/../format/skin_payload_parse.cpp" "$OUT/LzmaDec.o" -o "$OUT/skin_fuzz"
# Seeds: the files as they are and their payloads without filler.
g++ -std=c++17 -O1 -D_7ZIP_ST -I"$HERE/../include" -I"$LZMA" "$HERE/make_seeds.cpp" \
  "$HERE/../format/crc32.cpp" "$HERE/../format/skin_file.cpp" \
  "$HERE/../format/skin_payload_parse.cpp" "$HERE/../format/skin_payload_write.cpp" \
  -x c "$LZMA/LzmaDec.c" -o "$OUT/make_seeds"
mkdir -p "$OUT/corpus"
"$OUT/make_seeds" "$OUT/corpus" "$GEN"/skin_*.she
echo "fuzzer in $OUT, running ${SECS}s"
"$OUT/skin_fuzz" -max_total_time="$SECS" -max_len=262144 -rss_limit_mb=4096 "$OUT/corpus"
