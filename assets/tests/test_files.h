// Reading the generated files that the tests compare with.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orv::test {

using FileBytes = std::vector<std::uint8_t>;

inline FileBytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return FileBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool fileExists(const std::string& path) {
  return std::ifstream(path, std::ios::binary).good();
}

}  // namespace orv::test
