// The program file a Windows user gets: one self-contained 32-bit GUI program
// with its version resource, icon and manifest (the x86_64 build alike).
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "program_under_test.h"

namespace orv::test {
namespace {

struct PeFacts {
  bool valid = false;
  unsigned machine = 0;
  unsigned subsystem = 0;
  std::set<std::string> imports;  // lower case
};

std::uint32_t u32(const std::string& f, size_t at) {
  std::uint32_t v = 0;
  if (at + 4 <= f.size()) std::memcpy(&v, f.data() + at, 4);
  return v;
}
std::uint16_t u16(const std::string& f, size_t at) {
  std::uint16_t v = 0;
  if (at + 2 <= f.size()) std::memcpy(&v, f.data() + at, 2);
  return v;
}

// Reads the headers and the names of the imported libraries from the file itself.
PeFacts readPe(const std::string& f) {
  PeFacts pe;
  if (f.size() < 0x40 || f.compare(0, 2, "MZ") != 0) return pe;
  const size_t nt = u32(f, 0x3c);
  if (f.compare(nt, 4, std::string("PE\0\0", 4)) != 0) return pe;
  pe.machine = u16(f, nt + 4);
  const unsigned sections = u16(f, nt + 6);
  const size_t optional = nt + 24;
  const bool pe32plus = u16(f, optional) == 0x20b;
  pe.subsystem = u16(f, optional + 68);
  const size_t dirs = optional + (pe32plus ? 112 : 96);
  const std::uint32_t importRva = u32(f, dirs + 8);
  const size_t sectionTable = optional + u16(f, nt + 20);
  auto toOffset = [&](std::uint32_t rva) -> size_t {
    for (unsigned i = 0; i < sections; ++i) {
      const size_t s = sectionTable + i * 40;
      const std::uint32_t va = u32(f, s + 12), size = std::max(u32(f, s + 8), u32(f, s + 16));
      if (rva >= va && rva < va + size) return rva - va + u32(f, s + 20);
    }
    return 0;
  };
  for (size_t d = toOffset(importRva); d && u32(f, d + 12); d += 20) {
    std::string name = f.c_str() + toOffset(u32(f, d + 12));
    for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    pe.imports.insert(name);
  }
  pe.valid = true;
  return pe;
}

std::string versionString(const std::string& file, const char* field) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  std::string block(size, '\0');
  if (!size || !GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return {};
  char* value = nullptr;
  UINT length = 0;
  const std::string key = std::string("\\StringFileInfo\\080404b0\\") + field;
  if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
    return {};
  return value;
}

class ProgramFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramFile, IsASelfContainedGuiProgramWithItsResources) {
  const std::string path = windowsPath(GetParam());
  const std::string bytes = readFile(path);
  const PeFacts pe = readPe(bytes);
  ASSERT_TRUE(pe.valid) << path;
  if (std::string(GetParam()).find("win32") != std::string::npos) {
    EXPECT_EQ(pe.machine, 0x14cu) << "the shipped file is a 32-bit i386 program";
  }
  EXPECT_EQ(pe.subsystem, 2u) << "a Windows GUI program";
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll",
                                        "shell32.dll",  "ole32.dll",   "msvcrt.dll",
                                        "advapi32.dll", "comctl32.dll"};
  for (const std::string& name : pe.imports) {
    const bool allowed = system.count(name) || name.rfind("api-ms-win-", 0) == 0;
    EXPECT_TRUE(allowed) << "needs a library beside it: " << name;
  }
  EXPECT_EQ(versionString(path, "FileVersion"), "1.0.0.0");
  EXPECT_EQ(versionString(path, "ProductVersion"), "1.0.0.0");
  EXPECT_EQ(versionString(path, "ProductName"), "Orvanta皮肤修改器");

  HMODULE image = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(image);
  HRSRC group = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_TRUE(group) << "the program file has an icon";
  const auto* dir = static_cast<const std::uint8_t*>(LockResource(LoadResource(image, group)));
  ASSERT_GE(SizeofResource(image, group), 20u);
  EXPECT_EQ(dir[6], 32) << "32 pixels wide";
  EXPECT_EQ(dir[7], 32) << "32 pixels high";
  EXPECT_EQ(dir[6 + 6] | (dir[6 + 7] << 8), 24) << "24-bit colour";
  HRSRC manifest = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_TRUE(manifest);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(image, manifest))),
                         SizeofResource(image, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos)
      << "supports Windows 10 and 11";
  EXPECT_NE(text.find("35138b9a-5d96-4fbd-8e2d-a2440225f93a"), std::string::npos)
      << "supports Windows 7";
  HRSRC icon = FindResourceA(image, MAKEINTRESOURCEA(102), MAKEINTRESOURCEA(10));
  ASSERT_TRUE(icon);
  EXPECT_EQ(SizeofResource(image, icon), 2238u) << "the window icon's ICO data";
  FreeLibrary(image);
}

INSTANTIATE_TEST_SUITE_P(Builds, ProgramFile,
                         ::testing::Values(ORV_PROGRAM_WIN32, ORV_PROGRAM_WIN64));

}  // namespace
}  // namespace orv::test
