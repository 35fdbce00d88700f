#include "temp_folder.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "file_tree.h"

namespace orv::test {
namespace {

// Removes a folder and everything below it; read-only entries are made
// writable first, and the long-path prefix lets it reach deep folders.
void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring entry = folder + L"\\" + name;
      SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(entry);
      } else {
        DeleteFileW(entry.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    std::string candidate = std::string(base) + "orv-svc-" + std::to_string(GetCurrentProcessId()) +
                            "-" + std::to_string(++counter);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) std::abort();
  }
}

TempFolder::~TempFolder() {
  removeTree(longPath(path_));
}

}  // namespace orv::test
