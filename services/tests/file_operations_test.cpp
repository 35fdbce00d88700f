#include "services/file_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "file_tree.h"
#include "temp_folder.h"

namespace orv::test {
namespace {

std::string nameOf(const char* name) {
  return name;
}

// --- renameFile ------------------------------------------------------------

struct RenameCase {
  const char* name;
  FileTree before;
  std::string from, to;
  bool renamed;
  FileTree after;
};

const RenameCase kRenames[] = {
    {"RenamesAFile", {{"a.bmp", "A"}}, "a.bmp", "a.back", true, {{"a.back", "A"}}},
    {"OntoAnExistingFileLeavesBoth",
     {{"a.bmp", "A"}, {"a.back", "B"}},
     "a.bmp",
     "a.back",
     false,
     {{"a.bmp", "A"}, {"a.back", "B"}}},
    {"OntoAnExistingFolder",
     {{"a.bmp", "A"}, {"sub", kFolder}},
     "a.bmp",
     "sub",
     false,
     {{"a.bmp", "A"}, {"sub", kFolder}}},
    {"MissingSource", {{"b", "B"}}, "a.bmp", "a.back", false, {{"b", "B"}}},
    {"MovesIntoAFolder",
     {{"a.bmp", "A"}, {"sub", kFolder}},
     "a.bmp",
     "sub\\a.bmp",
     true,
     {{"sub", kFolder}, {"sub\\a.bmp", "A"}}},
    {"IntoAMissingFolder", {{"a.bmp", "A"}}, "a.bmp", "missing\\a.bmp", false, {{"a.bmp", "A"}}},
};

class RenameFileCase : public testing::TestWithParam<RenameCase> {};

TEST_P(RenameFileCase, LeavesExactlyTheExpectedFiles) {
  const RenameCase& c = GetParam();
  TempFolder folder;
  makeTree(folder.path(), c.before);
  EXPECT_EQ(renameFile(folder / c.from, folder / c.to), c.renamed);
  EXPECT_EQ(readTree(folder.path()), c.after);
}

INSTANTIATE_TEST_SUITE_P(Table, RenameFileCase, testing::ValuesIn(kRenames),
                         [](const auto& info) { return nameOf(info.param.name); });

// --- deleteFile ------------------------------------------------------------

struct DeleteCase {
  const char* name;
  FileTree before;
  DWORD targetAttributes;
  std::string target;
  bool deleted;
  FileTree after;
};

const DeleteCase kDeletes[] = {
    {"DeletesAFile", {{"a.bmp", "A"}, {"b", "B"}}, 0, "a.bmp", true, {{"b", "B"}}},
    {"HiddenFile", {{"a.bmp", "A"}}, FILE_ATTRIBUTE_HIDDEN, "a.bmp", true, {}},
    // Wine refuses this as Windows does, also for root.
    {"ReadOnlyFile", {{"a.bmp", "A"}}, FILE_ATTRIBUTE_READONLY, "a.bmp", false, {{"a.bmp", "A"}}},
    {"EmptyFolder", {{"sub", kFolder}}, 0, "sub", false, {{"sub", kFolder}}},
    {"MissingFile", {{"b", "B"}}, 0, "a.bmp", false, {{"b", "B"}}},
};

class DeleteFileCase : public testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteFileCase, LeavesExactlyTheExpectedFiles) {
  const DeleteCase& c = GetParam();
  TempFolder folder;
  makeTree(folder.path(), c.before);
  if (c.targetAttributes) {
    ASSERT_TRUE(SetFileAttributesA((folder / c.target).c_str(), c.targetAttributes));
  }
  EXPECT_EQ(deleteFile(folder / c.target), c.deleted);
  EXPECT_EQ(readTree(folder.path()), c.after);
}

INSTANTIATE_TEST_SUITE_P(Table, DeleteFileCase, testing::ValuesIn(kDeletes),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(FileDeletion, FailsOnAFileInUse) {
  TempFolder folder;
  putFile(folder / "a.bmp", "A");
  HANDLE holder =
      CreateFileA((folder / "a.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(deleteFile(folder / "a.bmp"));
  CloseHandle(holder);
  EXPECT_EQ(readTree(folder.path()), (FileTree{{"a.bmp", "A"}}));
}

// --- fileExists --------------------------------------------------------------

struct ExistsCase {
  const char* name;
  std::string target;
  bool found;
};

const ExistsCase kExists[] = {
    {"File", "SkinH_EL.dll", true},  {"HiddenFile", "hidden.dll", true},
    {"Folder", "sub", true},         {"FileInFolder", "sub\\inner.bmp", true},
    {"Missing", "other.dll", false}, {"InMissingFolder", "none\\SkinH_EL.dll", false},
};

class FileExistsCase : public testing::TestWithParam<ExistsCase> {};

TEST_P(FileExistsCase, Answers) {
  TempFolder folder;
  makeTree(
      folder.path(),
      {{"SkinH_EL.dll", "MZ"}, {"hidden.dll", "MZ"}, {"sub", kFolder}, {"sub\\inner.bmp", "BM"}});
  ASSERT_TRUE(SetFileAttributesA((folder / "hidden.dll").c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(fileExists(folder / GetParam().target), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Table, FileExistsCase, testing::ValuesIn(kExists),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(FileExists, EmptyPathIsNotFound) {
  EXPECT_FALSE(fileExists(""));
}

TEST(FileExists, ClosesItsSearchAtOnce) {
  TempFolder folder;
  putFile(folder / "a.dll", "MZ");
  DWORD before = 0, after = 0;
  ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(fileExists(folder / "a.dll"));
    ASSERT_FALSE(fileExists(folder / "b.dll"));
  }
  ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
  EXPECT_LT(after, before + 10) << "search handles are left open";
}

// --- setFileAttributes -------------------------------------------------------

struct AttributeCase {
  const char* name;
  std::uint32_t word;
  DWORD onWindows;  // what Windows reads back afterwards
};

// Every case starts from a read-only, system file, so each shows that the
// masked word replaces all attributes.
const AttributeCase kAttributes[] = {
    {"HiddenAndNothingElse", 2, FILE_ATTRIBUTE_HIDDEN},
    {"ReadOnly", 1, FILE_ATTRIBUTE_READONLY},
    {"AllFourThatPass", 0x27, 0x27},
    {"EveryBitMaskedTo0x27", 0xFFFFFFFFu, 0x27},
    {"DirectoryBitMaskedOut", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN,
     FILE_ATTRIBUTE_HIDDEN},
    {"NormalMaskedToNothing", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL},
    {"TemporaryMaskedOut", FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_ARCHIVE,
     FILE_ATTRIBUTE_ARCHIVE},
};

// Wine reports the archive bit on every regular file, and shows a file
// without attributes as archive rather than normal.
DWORD asWineReportsIt(DWORD onWindows) {
  return onWindows == FILE_ATTRIBUTE_NORMAL ? FILE_ATTRIBUTE_ARCHIVE
                                            : onWindows | FILE_ATTRIBUTE_ARCHIVE;
}

class SetFileAttributesCase : public testing::TestWithParam<AttributeCase> {};

TEST_P(SetFileAttributesCase, ReplacesAllAttributes) {
  const AttributeCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "SkinH_EL.dll";
  putFile(path, "MZ");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(setFileAttributes(path, c.word));
  const DWORD expected = runningUnderWine() ? asWineReportsIt(c.onWindows) : c.onWindows;
  EXPECT_EQ(attributesOf(path), expected);
  EXPECT_EQ(readFile(path), "MZ");
}

INSTANTIATE_TEST_SUITE_P(Table, SetFileAttributesCase, testing::ValuesIn(kAttributes),
                         [](const auto& info) { return nameOf(info.param.name); });

TEST(FileAttributes, FailsOnAMissingPath) {
  TempFolder folder;
  EXPECT_FALSE(setFileAttributes(folder / "SkinH_EL.dll", 2));
  EXPECT_EQ(readTree(folder.path()), FileTree{});
}

}  // namespace
}  // namespace orv::test
