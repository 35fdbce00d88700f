// Writes fuzzer seeds from skin files: each file as it is (first byte 1) and
// its payload without filler (first byte 0), see skin_fuzz.cpp.
#include "skinlib/skin_file.h"
#include "skinlib/skin_payload.h"

#include <cstdio>
#include <string>
#include <vector>

static std::vector<uint8_t> readAll(const char* path) {
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(path, "rb")) {
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
  }
  return bytes;
}

static void writeSeed(const std::string& path, uint8_t mode, const std::vector<uint8_t>& bytes) {
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputc(mode, f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

int main(int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    const std::vector<uint8_t> file = readAll(argv[i]);
    orv::skin::Theme theme;
    if (orv::skin::loadSkinFile(file.data(), static_cast<int64_t>(file.size()), theme) !=
        orv::skin::SkinResult::ok) {
      std::fprintf(stderr, "%s does not load\n", argv[i]);
      return 1;
    }
    const std::string base = std::string(argv[1]) + "/seed" + std::to_string(i);
    writeSeed(base + ".file", 1, file);
    writeSeed(base + ".payload", 0, orv::skin::writeSkinPayload(theme, {}));
  }
  return 0;
}
