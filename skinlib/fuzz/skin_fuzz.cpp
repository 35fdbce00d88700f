// libFuzzer target: any byte string handed to the skin loader either loads or
// is rejected, without reading or writing outside its buffers. The first byte
// chooses between the whole file path and the payload parser alone.
#include "skinlib/skin_file.h"
#include "skinlib/skin_payload.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  orv::skin::Theme theme;
  if (data[0] & 1) {
    (void)orv::skin::loadSkinFile(data + 1, static_cast<int64_t>(size - 1), theme);
  } else {
    (void)orv::skin::parseSkinPayload(data + 1, size - 1, theme);
  }
  return 0;
}
