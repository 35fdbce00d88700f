#include "full_disk.h"

#include <windows.h>

#include <vector>

#include "program_under_test.h"

namespace orv::test {
namespace {
constexpr const char* kFiller = "\\filler";
}  // namespace

FullDisk::FullDisk()
    : unixPath_("/tmp/orv-full-disk-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount())),
      root_(windowsPath(unixPath_)) {
  mounted_ = runHostShell("mkdir -p " + unixPath_ + " && mount -t tmpfs -o size=64k tmpfs " +
                          unixPath_) == 0;
}

FullDisk::~FullDisk() {
  runHostShell("umount " + unixPath_ + "; rmdir " + unixPath_);
}

bool FullDisk::fill() const {
  HANDLE file = CreateFileA((root_ + kFiller).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool full = false;
  // Big pieces first, then single bytes for the last page.
  for (DWORD piece : {4096u, 1u}) {
    const std::vector<char> bytes(piece, 'f');
    for (int i = 0; i < 1 << 16; ++i) {
      DWORD written = 0;
      if (!WriteFile(file, bytes.data(), piece, &written, nullptr) || written < piece) {
        full = GetLastError() == ERROR_DISK_FULL || written < piece;
        break;
      }
    }
  }
  CloseHandle(file);
  return full;
}

}  // namespace orv::test
