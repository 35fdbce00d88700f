// Reads the generated skin files for the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orv::skin::test {

inline std::string skinPath(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "skin_%02d.she", number);
  return std::string(ORV_GEN_DIR) + "/" + name;
}

inline std::vector<uint8_t> readSkin(int number) {
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(skinPath(number).c_str(), "rb")) {
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
  }
  return bytes;
}

}  // namespace orv::skin::test
