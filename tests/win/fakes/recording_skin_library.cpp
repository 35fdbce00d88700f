// A stand-in skin library for tests: it records each call of its entries in
// calls.txt beside itself and draws nothing. Built without SkinH_SetAero as
// well, for the case of a library that lacks an entry.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

HMODULE selfModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&selfModule), &module);
  return module;
}

BOOL CALLBACK findVisible(HWND hwnd, LPARAM found) {
  if (IsWindowVisible(hwnd)) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

// Whether any window of the calling thread is visible yet.
int windowVisible() {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), findVisible, reinterpret_cast<LPARAM>(&found));
  return found ? 1 : 0;
}

void record(const std::string& line) {
  char path[MAX_PATH * 4] = {};
  GetModuleFileNameA(selfModule(), path, sizeof path);
  std::string file = path;
  file = file.substr(0, file.find_last_of('\\')) + "\\calls.txt";
  HANDLE h = CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  const std::string text = line + "\n";
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(h);
}

}  // namespace

extern "C" __declspec(dllexport) int __stdcall SkinH_AttachRes(const unsigned char* skin,
                                                               std::int32_t length,
                                                               const char* text, std::int32_t a4,
                                                               std::int32_t a5, std::int32_t a6) {
  char line[256];
  const std::string signature =
      skin && length >= 4 ? std::string(reinterpret_cast<const char*>(skin), 4) : "-";
  std::snprintf(line, sizeof line,
                "AttachRes skin=%s length=%ld signature=%s text=%s [%s] args=%ld,%ld,%ld "
                "visible=%d",
                skin ? "address" : "null", static_cast<long>(length), signature.c_str(),
                text ? "address" : "null", text ? text : "", static_cast<long>(a4),
                static_cast<long>(a5), static_cast<long>(a6), windowVisible());
  record(line);
  return 0;
}

#ifndef ORV_WITHOUT_AERO
extern "C" __declspec(dllexport) int __stdcall SkinH_SetAero(std::int32_t on) {
  char line[64];
  std::snprintf(line, sizeof line, "SetAero %ld visible=%d", static_cast<long>(on),
                windowVisible());
  record(line);
  return 0;
}
#endif
