// Every carried file, included byte for byte into the read-only data of the
// program image, between a start and an end label per asset. The labels
// carry the C symbol prefix of the target (an underscore on 32-bit Windows).
#include "assets/asset_list.h"

#define ORV_JOIN_(a, b) a##b
#define ORV_JOIN(a, b) ORV_JOIN_(a, b)
#define ORV_LABEL(name) ORV_JOIN(__USER_LABEL_PREFIX__, name)

#define ORV_EMBED(id, file)             \
  .balign 16;                           \
  .globl ORV_LABEL(orv_asset_##id);     \
  ORV_LABEL(orv_asset_##id):            \
  .incbin file;                         \
  .globl ORV_LABEL(orv_asset_##id##_end); \
  ORV_LABEL(orv_asset_##id##_end):

  .section .rdata,"dr"
ORV_ASSET_LIST(ORV_EMBED)
