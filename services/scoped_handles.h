// Owners of the kernel and shell handles that the services open.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <utility>

namespace orv {

// An open file. close() reports whether the close succeeded, since a failed
// close can lose written data; the destructor closes quietly.
class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) noexcept : handle_(handle) {}
  ~ScopedFile() { close(); }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;

  bool valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const noexcept { return handle_; }
  bool close() noexcept {
    if (!valid()) return false;
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
  }

 private:
  HANDLE handle_;
};

// A running FindFirstFileA search.
struct FindCloser {
  void operator()(void* handle) const noexcept { FindClose(handle); }
};
using ScopedFind = std::unique_ptr<void, FindCloser>;

// An item identifier from the shell, freed through the shell's allocator.
struct ShellItemFreer {
  void operator()(ITEMIDLIST* item) const noexcept {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
      allocator->Free(item);
      allocator->Release();
    }
  }
};
using ScopedShellItem = std::unique_ptr<ITEMIDLIST, ShellItemFreer>;

// OLE for the calling thread, as the shell's dialogs need it; balanced only if
// this call initialised it (or added a reference to it).
class ScopedOle {
 public:
  ScopedOle() noexcept : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~ScopedOle() {
    if (initialised_) OleUninitialize();
  }
  ScopedOle(const ScopedOle&) = delete;
  ScopedOle& operator=(const ScopedOle&) = delete;

 private:
  bool initialised_;
};

}  // namespace orv
