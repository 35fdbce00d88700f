#include "file_tree.h"

#include <cstdlib>
#include <vector>

namespace orv::test {

std::wstring widen(const std::string& text) {
  if (text.empty()) return {};
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string narrow(const std::wstring& text) {
  if (text.empty()) return {};
  int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &result[0], length,
                      nullptr, nullptr);
  return result;
}

std::wstring longPath(const std::string& path) {
  return L"\\\\?\\" + widen(path);
}

void putFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) std::abort();
  DWORD written = 0;
  if (!content.empty() &&
      (!WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
       written != content.size())) {
    std::abort();
  }
  CloseHandle(file);
}

std::optional<std::string> readFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) content.append(chunk, got);
  CloseHandle(file);
  return content;
}

DWORD attributesOf(const std::string& path) {
  return GetFileAttributesA(path.c_str());
}

void makeTree(const std::string& root, const FileTree& tree) {
  // Keys are sorted, so a folder comes before the entries inside it.
  for (const auto& [relative, content] : tree) {
    const std::string path = root + "\\" + relative;
    if (content == kFolder) {
      if (!CreateDirectoryA(path.c_str(), nullptr)) std::abort();
    } else {
      putFile(path, content);
    }
  }
}

namespace {

void readInto(const std::string& root, const std::string& prefix, FileTree& tree) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((root + "\\" + prefix + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> folders;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[prefix + name] = kFolder;
      folders.push_back(prefix + name + "\\");
    } else {
      tree[prefix + name] = readFile(root + "\\" + prefix + name).value_or("<unreadable>");
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  for (const std::string& folder : folders) readInto(root, folder, tree);
}

}  // namespace

FileTree readTree(const std::string& root) {
  FileTree tree;
  readInto(root, "", tree);
  return tree;
}

bool runningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace orv::test
