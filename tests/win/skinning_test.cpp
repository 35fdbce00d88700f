// The skin library beside the program: deployed once, hidden, loaded before
// the window is shown, and the fatal exit when it cannot be used.
#include <gtest/gtest.h>

#include "program_under_test.h"

namespace orv::test {
namespace {

const std::string kLibrary = "\\SkinH_EL.dll";

std::string carriedLibrary() {
  return readFile(windowsPath(ORV_SKIN_LIBRARY));
}

FILETIME modified(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

// Wine reports the archive bit on every regular file, beside what was set.
DWORD attributesWithoutWineArchive(const std::string& path) {
  return GetFileAttributesA(path.c_str()) & ~static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE);
}

TEST(Skinning, FirstStartDeploysTheCarriedLibraryHiddenAndSecondStartLeavesItAlone) {
  const std::string folder = freshFolder("deploy");
  const std::string library = folder + kLibrary;
  {
    StartOptions options;
    options.folder = folder;
    ProgramUnderTest app(options);
    ASSERT_TRUE(app.window());
    const std::string written = readFile(library);
    EXPECT_EQ(written.size(), 88576u);
    EXPECT_TRUE(written == carriedLibrary()) << "the library is written byte for byte";
    EXPECT_EQ(attributesWithoutWineArchive(library), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    PostMessageA(app.window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app.waitForExit(10000));
  }
  const FILETIME first = modified(library);
  // The user un-hides the file; the program must neither rewrite nor re-hide it.
  SetFileAttributesA(library.c_str(), FILE_ATTRIBUTE_NORMAL);
  const DWORD before = GetFileAttributesA(library.c_str());
  Sleep(1100);
  {
    StartOptions options;
    options.folder = folder;
    ProgramUnderTest app(options);
    ASSERT_TRUE(app.window());
    const FILETIME second = modified(library);
    EXPECT_EQ(CompareFileTime(&first, &second), 0) << "not written again";
    EXPECT_EQ(GetFileAttributesA(library.c_str()), before) << "attributes untouched";
    PostMessageA(app.window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app.waitForExit(10000));
  }
  removeTree(folder);
}

TEST(Skinning, AttachResThenSetAeroAreCalledOnceWithSkinThreeBeforeTheWindowIsShown) {
  const std::string folder = freshFolder("calls");
  ASSERT_TRUE(
      CopyFileA(windowsPath(ORV_RECORDING_LIBRARY).c_str(), (folder + kLibrary).c_str(), FALSE));
  {
    StartOptions options;
    options.folder = folder;
    ProgramUnderTest app(options);
    ASSERT_TRUE(app.window());
    PostMessageA(app.window(), WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(app.waitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
  }
  EXPECT_EQ(readFile(folder + "\\calls.txt"),
            "AttachRes skin=address length=42812 signature=.SHE text=address [] args=0,0,0 "
            "visible=0\n"
            "SetAero 1 visible=0\n");
  removeTree(folder);
}

struct FatalCase {
  const char* name;
  int kind;  // 0 a folder, 1 an empty file, 2 a truncated library, 3 a library without SetAero
  const char* missingEntry;
};

class SkinningFatal : public ::testing::TestWithParam<FatalCase> {};

TEST_P(SkinningFatal, EndsThroughTheErrorBoxBeforeAnyWindowIsShown) {
  const FatalCase& c = GetParam();
  const std::string folder = freshFolder("fatal");
  const std::string library = folder + kLibrary;
  std::string before;
  switch (c.kind) {
    case 0:
      ASSERT_TRUE(CreateDirectoryA(library.c_str(), nullptr));
      break;
    case 1:
      ASSERT_TRUE(writeWholeFile(library, ""));
      break;
    case 2:
      ASSERT_TRUE(writeWholeFile(library, carriedLibrary().substr(0, 4096)));
      break;
    case 3:
      ASSERT_TRUE(CopyFileA(windowsPath(ORV_NO_AERO_LIBRARY).c_str(), library.c_str(), FALSE));
      break;
  }
  if (c.kind != 0) before = readFile(library);
  {
    StartOptions options;
    options.folder = folder;
    options.waitForWindow = false;
    ProgramUnderTest app(options);
    ASSERT_TRUE(app.started());
    HWND box = waitForTopLevel(app.processId(), "", "#32770", 30000);
    ASSERT_TRUE(box) << "an error box is shown";
    EXPECT_FALSE(waitForTopLevel(app.processId(), kMainTitle, "", 0))
        << "the main window has never been shown";
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (className(child) == "Static") text += windowText(child);
    EXPECT_NE(text.find("SkinH_EL.dll"), std::string::npos) << text;
    EXPECT_NE(text.find(c.missingEntry), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 0;
    ASSERT_TRUE(app.waitForExit(10000, &code));
    EXPECT_EQ(code, static_cast<DWORD>(-1));
  }
  if (c.kind != 0) {
    EXPECT_TRUE(readFile(library) == before) << "the entry is left as it was";
  }
  removeTree(folder);
}

INSTANTIATE_TEST_SUITE_P(BadLibraries, SkinningFatal,
                         ::testing::Values(FatalCase{"Folder", 0, "SkinH_AttachRes"},
                                           FatalCase{"EmptyFile", 1, "SkinH_AttachRes"},
                                           FatalCase{"TruncatedLibrary", 2, "SkinH_AttachRes"},
                                           FatalCase{"WithoutSetAero", 3, "SkinH_SetAero"}),
                         [](const ::testing::TestParamInfo<FatalCase>& info) {
                           return info.param.name;
                         });

// Mean distance of two colours over the channels.
int distance(COLORREF a, COLORREF b) {
  return (std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
          std::abs(GetBValue(a) - GetBValue(b))) /
         3;
}

TEST(Skinning, TheFirstScreenshotShowsTheSkinOnCaptionAndFrame) {
  // The plain look, with a library that draws nothing, against the real one.
  const std::string plainFolder = freshFolder("plain");
  ASSERT_TRUE(CopyFileA(windowsPath(ORV_RECORDING_LIBRARY).c_str(),
                        (plainFolder + kLibrary).c_str(), FALSE));
  StartOptions plainOptions;
  plainOptions.folder = plainFolder;
  Screenshot plain, skinned;
  {
    ProgramUnderTest app(plainOptions);
    ASSERT_TRUE(app.window());
    plain = Screenshot::ofWindow(app.window());
  }
  {
    ProgramUnderTest app;
    ASSERT_TRUE(app.window());
    skinned = Screenshot::ofWindow(app.window());
    skinned.saveBmp(windowsPath(ORV_SCREENSHOT_DIR) + "\\skinned-main-window.bmp");
  }
  ASSERT_EQ(plain.width(), skinned.width());
  const POINT caption[] = {{200, 10}, {400, 8}, {300, 14}};
  const POINT frame[] = {{1, 300}, {skinned.width() - 2, 300}, {280, skinned.height() - 2}};
  int captionDiffers = 0, frameDiffers = 0;
  for (POINT p : caption)
    captionDiffers += distance(plain.pixel(p.x, p.y), skinned.pixel(p.x, p.y)) > 24;
  for (POINT p : frame)
    frameDiffers += distance(plain.pixel(p.x, p.y), skinned.pixel(p.x, p.y)) > 24;
  EXPECT_GE(captionDiffers, 2) << "the caption wears the skin";
  EXPECT_GE(frameDiffers, 2) << "the frame wears the skin";
  removeTree(plainFolder);
}

}  // namespace
}  // namespace orv::test
