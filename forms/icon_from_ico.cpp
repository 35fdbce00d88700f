#include "icon_from_ico.h"

#include <cstring>

namespace orv {

namespace {
std::uint32_t read32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
}  // namespace

HICON iconFromIco(BytesView ico, int size) {
  // ICONDIR (6 bytes) and the first ICONDIRENTRY (16 bytes).
  if (!ico.data || ico.size < 22) return nullptr;
  const std::uint8_t* d = ico.data;
  if (d[0] || d[1] || d[2] != 1 || d[3] || (d[4] | (d[5] << 8)) == 0) return nullptr;
  const std::uint32_t bytes = read32(d + 6 + 8);
  const std::uint32_t offset = read32(d + 6 + 12);
  if (offset > ico.size || bytes > ico.size - offset || bytes < sizeof(BITMAPINFOHEADER))
    return nullptr;
  return CreateIconFromResourceEx(const_cast<PBYTE>(d + offset), bytes, TRUE, 0x00030000, size,
                                  size, LR_DEFAULTCOLOR);
}

}  // namespace orv
