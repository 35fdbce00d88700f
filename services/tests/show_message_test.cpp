#include "services/dialog_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace orv::test {
namespace {

const std::string kCaption = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：

struct BoxContent {
  std::vector<std::string> texts;  // of the visible statics
  std::vector<int> buttons;        // ids of the visible buttons
  bool icon = false;
};

BOOL CALLBACK noteChild(HWND child, LPARAM content) {
  auto* box = reinterpret_cast<BoxContent*>(content);
  if (!IsWindowVisible(child)) return TRUE;
  const std::string kind = className(child);
  if (kind == "Static") {
    if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      // An icon control may stand in the box empty; only a shown icon counts.
      if (SendMessageA(child, STM_GETICON, 0, 0)) box->icon = true;
    } else {
      box->texts.push_back(windowText(child));
    }
  } else if (kind == "Button") {
    box->buttons.push_back(GetDlgCtrlID(child));
  }
  return TRUE;
}

struct Observed {
  bool boxFound = false;
  std::string caption;
  HWND owner = nullptr;
  BoxContent content;
  bool frontEnabled = true;
};

class ShowMessage : public testing::TestWithParam<std::string> {};

TEST_P(ShowMessage, ShowsAPlainTaskModalBox) {
  const std::string text = GetParam();
  TestWindow front("front");
  front.bringToFront();
  Observed seen;
  {
    const DWORD guiThread = GetCurrentThreadId();
    TestThread driver([&] {
      HWND box = waitForDialog(guiThread, 15000);
      if (!box) return;
      seen.boxFound = true;
      seen.caption = windowText(box);
      seen.owner = GetWindow(box, GW_OWNER);
      seen.frontEnabled = IsWindowEnabled(front.handle());
      EnumChildWindows(box, &noteChild, reinterpret_cast<LPARAM>(&seen.content));
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    });
    showMessage(text);
  }
  ASSERT_TRUE(seen.boxFound) << "no message box appeared";
  EXPECT_EQ(seen.caption, kCaption);
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(seen.content.texts, std::vector<std::string>{text});
  EXPECT_EQ(seen.content.buttons, std::vector<int>{IDOK});
  EXPECT_FALSE(seen.content.icon);
  EXPECT_FALSE(seen.frontEnabled) << "the box is not task-modal";
  EXPECT_TRUE(IsWindowEnabled(front.handle()));
}

INSTANTIATE_TEST_SUITE_P(Texts, ShowMessage,
                         testing::Values(
                             // 请选择Orvanta游戏目录!
                             "\xc7\xeb\xd1\xa1\xd4\xf1Orvanta\xd3\xce\xcf\xb7\xc4\xbf\xc2\xbc!",
                             "plain text"));

}  // namespace
}  // namespace orv::test
