#include "services/file_services.h"

#include <windows.h>

#include "services/scoped_handles.h"

namespace orv {

bool renameFile(const std::string& oldPath, const std::string& newPath) {
  return MoveFileA(oldPath.c_str(), newPath.c_str()) != FALSE;
}

bool deleteFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

bool fileExists(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE handle = FindFirstFileA(path.c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return false;
  ScopedFind search(handle);
  return true;
}

bool setFileAttributes(const std::string& path, std::uint32_t attributes) {
  constexpr std::uint32_t kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
  return SetFileAttributesA(path.c_str(), attributes & kSettable) != FALSE;
}

}  // namespace orv
