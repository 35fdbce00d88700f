// Writes a small starting corpus for the picture fuzzer: one file of each
// bitmap variant and JPEG kind that the decoder reads.
#include <cstdio>
#include <string>
#include <vector>

#include "forms/picture/test/bmp_writer.h"
#include "forms/picture/test/jpeg_writer.h"

namespace {

bool save(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = folder + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::vector<uint8_t> bitmap(int width, int height, int bits, int entries, bool topDown,
                            uint32_t compression = 0) {
  orv::test::BmpOptions options{width, height, bits, topDown};
  for (int i = 0; i < entries; ++i) options.palette.push_back(uint32_t(i) * 0x010307);
  options.colorsUsedField = entries == (1 << bits) ? 0 : uint32_t(entries);
  options.compression = compression;
  if (compression == 3 && bits == 16) options.masks = {0xF800, 0x07E0, 0x001F};
  return orv::test::writeBmp(options, [](int x, int y) { return uint32_t(x * 31 + y * 17); });
}

std::vector<uint8_t> jpeg(int width, int height, bool exif, bool grey, bool progressive) {
  orv::test::JpegOptions options{width, height, 75};
  options.exif = exif;
  options.grey = grey;
  options.progressive = progressive;
  return orv::test::writeJpeg(options, [](int x, int y) {
    return orv::test::Rgb{uint8_t(x * 9), uint8_t(y * 7), uint8_t(x * y)};
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = save(folder, "bmp1", bitmap(13, 3, 1, 2, false)) &&
                  save(folder, "bmp4", bitmap(9, 4, 4, 10, true)) &&
                  save(folder, "bmp8_short", bitmap(7, 3, 8, 66, false)) &&
                  save(folder, "bmp8_full", bitmap(5, 2, 8, 256, false)) &&
                  save(folder, "bmp16", bitmap(5, 3, 16, 0, false)) &&
                  save(folder, "bmp16_565", bitmap(5, 3, 16, 0, true, 3)) &&
                  save(folder, "bmp24", bitmap(7, 5, 24, 0, false)) &&
                  save(folder, "bmp24_topdown", bitmap(3, 2, 24, 0, true)) &&
                  save(folder, "bmp32", bitmap(4, 4, 32, 0, false)) &&
                  save(folder, "bmp32_fields", bitmap(4, 3, 32, 0, false, 3)) &&
                  save(folder, "jpeg", jpeg(24, 16, false, false, false)) &&
                  save(folder, "jpeg_exif", jpeg(17, 9, true, false, false)) &&
                  save(folder, "jpeg_grey", jpeg(16, 16, false, true, false)) &&
                  save(folder, "jpeg_progressive", jpeg(20, 12, false, false, true));
  if (!ok) std::fprintf(stderr, "could not write the corpus into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
