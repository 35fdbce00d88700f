#include "exif_block.h"

namespace gen {

namespace {

// One little-endian TIFF directory entry whose value fits in four bytes, or
// whose value lies at `offset`.
struct Entry {
  unsigned tag, type;
  std::uint32_t count, value;
};

void putDirectory(Bytes& b, const std::vector<Entry>& entries, std::uint32_t next) {
  putLe16(b, static_cast<unsigned>(entries.size()));
  for (const Entry& e : entries) {
    putLe16(b, e.tag), putLe16(b, e.type), putLe32(b, e.count);
    if (e.type == 3 && e.count == 1)
      putLe16(b, e.value), putLe16(b, 0);  // a SHORT sits left-justified
    else
      putLe32(b, e.value);
  }
  putLe32(b, next);
}

constexpr unsigned kShort = 3, kLong = 4, kRational = 5, kAscii = 2, kUndefined = 7;

}  // namespace

Bytes exifPayload(int width, int height) {
  const std::string software = "Orvanta Skin";  // sized so that the segment is 209 bytes long
  const std::string dateTime = "2024:05:01 12:00:00";
  // Layout: header 8, IFD0 (7 entries) 90, two rationals 16, the two texts,
  // then the Exif IFD (4 entries).
  const std::uint32_t ifd0 = 8, ifd0Size = 2 + 7 * 12 + 4;
  const std::uint32_t xres = ifd0 + ifd0Size, yres = xres + 8;
  const std::uint32_t softwareAt = yres + 8;
  const std::uint32_t dateAt = softwareAt + static_cast<std::uint32_t>(software.size() + 1);
  const std::uint32_t exifIfd = dateAt + static_cast<std::uint32_t>(dateTime.size() + 1);

  Bytes tiff;
  putText(tiff, "II"), putLe16(tiff, 42), putLe32(tiff, ifd0);
  putDirectory(tiff,
               {{0x0112, kShort, 1, 1},  // orientation: top-left
                {0x011A, kRational, 1, xres},
                {0x011B, kRational, 1, yres},
                {0x0128, kShort, 1, 2},  // resolution unit: inch
                {0x0131, kAscii, static_cast<std::uint32_t>(software.size() + 1), softwareAt},
                {0x0132, kAscii, static_cast<std::uint32_t>(dateTime.size() + 1), dateAt},
                {0x8769, kLong, 1, exifIfd}},
               0);  // no IFD1: no thumbnail
  putLe32(tiff, 72), putLe32(tiff, 1);
  putLe32(tiff, 72), putLe32(tiff, 1);
  putText(tiff, software), putU8(tiff, 0);
  putText(tiff, dateTime), putU8(tiff, 0);
  putDirectory(tiff,
               {{0x9000, kUndefined, 4, 0x30333230},  // Exif version "0230"
                {0xA001, kShort, 1, 1},               // colour space sRGB
                {0xA002, kLong, 1, static_cast<std::uint32_t>(width)},
                {0xA003, kLong, 1, static_cast<std::uint32_t>(height)}},
               0);

  Bytes out;
  putText(out, std::string("Exif\0\0", 6));
  out.insert(out.end(), tiff.begin(), tiff.end());
  return out;
}

}  // namespace gen
