// Writes the ten skin files skin_01.she ... skin_10.she into the given folder,
// each of the exact size the program's asset catalogue gives.
#include "palette.h"
#include "size_tuner.h"
#include "theme_builder.h"

#include <cstdio>
#include <string>

namespace {

constexpr orv::skingen::SizeTarget kTargets[10] = {
    {11725, 312488}, {35969, 399396}, {42812, 399396},  {18204, 300884}, {39660, 474496},
    {35600, 325512}, {17482, 305212}, {45267, 1266788}, {13192, 175192}, {19774, 323876},
};

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  for (int i = 0; i < 10; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "skin_%02d.she", i + 1);
    const auto theme = orv::skingen::buildTheme(orv::skingen::kPalettes[i]);
    const auto file = orv::skingen::makeSkinFileOfSize(theme, kTargets[i]);
    if (file.empty()) {
      std::fprintf(stderr, "%s: no filler reaches %zu bytes (%zu decompressed)\n", name,
                   kTargets[i].fileSize, kTargets[i].payloadSize);
      return 1;
    }
    const std::string path = std::string(argv[1]) + "/" + name;
    if (!writeFile(path, file)) {
      std::fprintf(stderr, "%s: cannot write %s\n", name, path.c_str());
      return 1;
    }
  }
  return 0;
}
