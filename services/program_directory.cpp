#include "services/file_services.h"

#include <windows.h>

namespace orv {
namespace {

// Longest module path Windows hands out: 32767 characters of up to two bytes.
constexpr std::size_t kLongestPath = 65536;

// The module path, read into a buffer that grows until the whole path fits.
std::string moduleFileName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= kLongestPath) return {};
    path.resize(path.size() * 2);
  }
}

// Position of the last backslash character; a GBK trail byte of 0x5C is part of
// its character, not a separator.
std::size_t lastSeparator(const std::string& path) {
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\') {
      last = i;
    } else if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
    }
  }
  return last;
}

}  // namespace

std::string programDirectory() {
  std::string path = moduleFileName();
  std::size_t cut = lastSeparator(path);
  if (cut == std::string::npos) return {};
  path.resize(cut);
  return path;
}

}  // namespace orv
