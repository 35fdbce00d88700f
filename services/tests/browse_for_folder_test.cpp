#include "services/dialog_services.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "temp_folder.h"
#include "test_support.h"

namespace orv::test {
namespace {

// "请选择Orvanta安装的文件夹"
const std::string kTitle =
    "\xc7\xeb\xd1\xa1\xd4\xf1Orvanta\xb0\xb2\xd7\xb0\xb5\xc4\xce\xc4\xbc\xfe\xbc\xd0";
constexpr int kTitleStatic = 14146;  // the browser's static that shows the title

enum class Choice { Cancel, OkAsOpened, OkOnPath, OkOnVirtualFolder };

struct BrowseCase {
  const char* name;
  Choice choice;
  std::string path;  // for OkOnPath; empty means the test's temporary folder
};

const BrowseCase kCases[] = {
    {"CancelGivesEmptyText", Choice::Cancel, ""},
    {"OkAsOpenedGivesTheDesktopFolder", Choice::OkAsOpened, ""},
    {"OkOnAFolderGivesItsPath", Choice::OkOnPath, ""},
    {"ADriveRootKeepsItsBackslash", Choice::OkOnPath, "C:\\"},
    {"AVirtualFolderGivesEmptyText", Choice::OkOnVirtualFolder, ""},
};

// What the driver saw while the browser was open.
struct Observed {
  bool dialogFound = false;
  std::string caption, title;
  HWND owner = nullptr;
  bool frontEnabled = true, secondEnabled = true, disabledEnabled = true;
};

std::string desktopFolder() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path);
  return path;
}

class BrowseForFolder : public testing::TestWithParam<BrowseCase> {};

TEST_P(BrowseForFolder, DisablesTheWindowsAndGivesTheChosenPath) {
  const BrowseCase& c = GetParam();
  TempFolder folder;
  const std::string selection = c.path.empty() ? folder.path() : c.path;

  TestWindow second("second");
  TestWindow disabled("disabled");
  TestWindow front("front");
  ShowWindow(second.handle(), SW_SHOWNOACTIVATE);
  ShowWindow(disabled.handle(), SW_SHOWNOACTIVATE);
  EnableWindow(disabled.handle(), FALSE);
  front.bringToFront();
  ASSERT_EQ(GetActiveWindow(), front.handle());

  Observed seen;
  std::string result;
  {
    const DWORD guiThread = GetCurrentThreadId();
    TestThread driver([&] {
      HWND dialog = waitForDialog(guiThread, 15000);
      if (!dialog) return;
      seen.dialogFound = true;
      seen.caption = windowText(dialog);
      seen.title = windowText(GetDlgItem(dialog, kTitleStatic));
      seen.owner = GetWindow(dialog, GW_OWNER);
      seen.frontEnabled = IsWindowEnabled(front.handle());
      seen.secondEnabled = IsWindowEnabled(second.handle());
      seen.disabledEnabled = IsWindowEnabled(disabled.handle());
      int button = IDOK;
      if (c.choice == Choice::Cancel) button = IDCANCEL;
      if (c.choice == Choice::OkOnPath) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selection.c_str()));
      }
      if (c.choice == Choice::OkOnVirtualFolder) {
        ITEMIDLIST* computer = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
          SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
          CoTaskMemFree(computer);
        }
      }
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    });
    result = browseForFolder(kTitle);
  }

  ASSERT_TRUE(seen.dialogFound) << "no folder browser appeared";
  std::printf("browser caption \"%s\", result \"%s\"\n", seen.caption.c_str(), result.c_str());
  EXPECT_EQ(seen.title, kTitle);
  EXPECT_EQ(seen.owner, front.handle()) << "the browser is owned by the active window";
  EXPECT_FALSE(seen.frontEnabled);
  EXPECT_FALSE(seen.secondEnabled);
  EXPECT_FALSE(seen.disabledEnabled);

  switch (c.choice) {
    case Choice::Cancel:
    case Choice::OkOnVirtualFolder:
      EXPECT_EQ(result, "");
      break;
    case Choice::OkAsOpened:
      // The tree opens on the desktop, whose folder is a real one.
      EXPECT_EQ(result, desktopFolder());
      break;
    case Choice::OkOnPath:
      EXPECT_EQ(result, selection);
      break;
  }

  // Every window has its own state back, and the front one is active again.
  EXPECT_TRUE(IsWindowEnabled(front.handle()));
  EXPECT_TRUE(IsWindowEnabled(second.handle()));
  EXPECT_FALSE(IsWindowEnabled(disabled.handle()));
  EXPECT_EQ(GetActiveWindow(), front.handle());
  EXPECT_EQ(GetForegroundWindow(), front.handle());
}

INSTANTIATE_TEST_SUITE_P(Table, BrowseForFolder, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BrowseForFolderWithoutWindows, HasNoOwnerAndStillWorks) {
  Observed seen;
  std::string result = "unset";
  {
    const DWORD guiThread = GetCurrentThreadId();
    TestThread driver([&] {
      HWND dialog = waitForDialog(guiThread, 15000);
      if (!dialog) return;
      seen.dialogFound = true;
      seen.owner = GetWindow(dialog, GW_OWNER);
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    });
    result = browseForFolder(kTitle);
  }
  ASSERT_TRUE(seen.dialogFound);
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(result, "");
}

}  // namespace
}  // namespace orv::test
