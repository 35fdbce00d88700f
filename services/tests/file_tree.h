// Real files as data: a folder's whole content as a map, to set a scene up and
// to compare what an operation left behind.
#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace orv::test {

// Relative path (backslash-separated, GBK) → file content, or kFolder.
using FileTree = std::map<std::string, std::string>;
inline const std::string kFolder = "<folder>";

void makeTree(const std::string& root, const FileTree& tree);
FileTree readTree(const std::string& root);

// Plain file access through the Windows API, independent of the services.
void putFile(const std::string& path, const std::string& content);
std::optional<std::string> readFile(const std::string& path);
DWORD attributesOf(const std::string& path);

// A narrow path as a wide one with the long-path prefix.
std::wstring widen(const std::string& text);
std::string narrow(const std::wstring& text);
std::wstring longPath(const std::string& path);

// Wine stands in for Windows in these tests; where it behaves differently a
// test says so and asks this.
bool runningUnderWine();

}  // namespace orv::test
