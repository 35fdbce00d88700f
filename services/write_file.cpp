#include "services/file_services.h"

#include <windows.h>

#include "services/scoped_handles.h"

namespace orv {
namespace {

// WriteFile may write less than asked; keep going until the array is out.
bool writeAll(HANDLE file, const ByteView& array) {
  auto* next = static_cast<const BYTE*>(array.data);
  DWORD left = array.size;
  while (left > 0) {
    DWORD written = 0;
    if (!WriteFile(file, next, left, &written, nullptr) || written == 0) return false;
    next += written;
    left -= written;
  }
  return true;
}

}  // namespace

bool writeFile(const std::string& path, const ByteView* arrays, std::size_t count) {
  if (path.empty()) return false;
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (arrays[i].size == 0) continue;
    if (!writeAll(file.get(), arrays[i])) return false;
  }
  return file.close();
}

bool writeFile(const std::string& path, std::initializer_list<ByteView> arrays) {
  return writeFile(path, arrays.begin(), arrays.size());
}

}  // namespace orv
