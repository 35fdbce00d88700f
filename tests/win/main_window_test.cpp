// The main window as a user meets it: place, controls, keyboard, closing.
#include <gtest/gtest.h>

#include <cstdio>

#include "program_under_test.h"

namespace orv::test {
namespace {

RECT placeInParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG_PTR style(HWND hwnd) {
  return GetWindowLongPtrA(hwnd, GWL_STYLE);
}

TEST(MainWindow, OpensCentredWithItsTitleSizeAndFrame) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  RECT r{};
  GetWindowRect(app.window(), &r);
  EXPECT_EQ(r.right - r.left, 563);
  EXPECT_EQ(r.bottom - r.top, 546);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 563) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 546) / 2);
  const LONG_PTR s = style(app.window());
  EXPECT_TRUE(s & WS_CAPTION);
  EXPECT_TRUE(s & WS_SYSMENU);
  EXPECT_TRUE(s & WS_MINIMIZEBOX);
  EXPECT_TRUE(s & WS_MAXIMIZEBOX);
  EXPECT_FALSE(s & WS_THICKFRAME) << "the frame is fixed";
}

// A second screen size. A driver sees only the windows of its own desktop, so
// the test starts itself again inside a smaller virtual desktop; that copy
// starts the program there and writes back the screen size and the window's
// place, which must follow that screen, not the driver's.
constexpr char kPlaceFileVariable[] = "ORV_WINDOW_PLACE_FILE";

TEST(MainWindow, IsCentredOnAnotherScreenSizeToo) {
  char placeFile[MAX_PATH] = {};
  if (GetEnvironmentVariableA(kPlaceFileVariable, placeFile, MAX_PATH)) {
    ProgramUnderTest app;
    RECT r{};
    if (app.window()) GetWindowRect(app.window(), &r);
    const std::string place = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " +
                              std::to_string(GetSystemMetrics(SM_CYSCREEN)) + " " +
                              std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                              std::to_string(r.right) + " " + std::to_string(r.bottom);
    writeWholeFile(placeFile, place);
    return;
  }
  constexpr int kWidth = 800, kHeight = 600;
  const std::string folder = freshFolder("small-screen");
  const std::string file = folder + "\\place.txt";
  SetEnvironmentVariableA(kPlaceFileVariable, file.c_str());
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "C:\\windows\\explorer.exe /desktop=orv-small-" +
                        std::to_string(GetCurrentProcessId()) + "," + std::to_string(kWidth) + "x" +
                        std::to_string(kHeight) + " \"" + self +
                        "\" --gtest_filter=MainWindow.IsCentredOnAnotherScreenSizeToo";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &si, &pi);
  SetEnvironmentVariableA(kPlaceFileVariable, nullptr);
  ASSERT_TRUE(started) << command;
  CloseHandle(pi.hThread);
  std::string place;
  for (int i = 0; i < 600 && place.empty(); ++i) {
    Sleep(100);
    place = readFile(file);
  }
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  removeTree(folder);
  int screenWidth = 0, screenHeight = 0;
  RECT r{};
  ASSERT_EQ(std::sscanf(place.c_str(), "%d %d %ld %ld %ld %ld", &screenWidth, &screenHeight,
                        &r.left, &r.top, &r.right, &r.bottom),
            6)
      << "the copy inside the small desktop reported: " << place;
  EXPECT_EQ(screenWidth, kWidth);
  EXPECT_EQ(screenHeight, kHeight);
  EXPECT_EQ(r.right - r.left, 563);
  EXPECT_EQ(r.bottom - r.top, 546);
  EXPECT_EQ(r.left, (kWidth - 563) / 2);
  EXPECT_EQ(r.top, (kHeight - 546) / 2);
}

struct ExpectedControl {
  int id;
  const char* cls;
  int left, top, width, height;
  const char* text;
};

TEST(MainWindow, HasItsThirteenControlsWithTheirPlacesAndTexts) {
  const ExpectedControl expected[] = {
      {kEdit, "Edit", 200, 165, 272, 24, ""},
      {kPromptLabel, "OrvTransLabel", 22, 158, 176, 40, "请选择Orvanta安装目录:"},
      {kBrowse, "Button", 488, 165, 48, 24, "浏览"},
      {kGroup, "Button", 16, 205, 400, 288, "界面预览"},
      {kRadio1, "Button", 448, 245, 80, 24, "登陆皮肤"},
      {kRadio2, "Button", 448, 293, 80, 24, "游戏界面"},
      {kRadio3, "Button", 449, 341, 72, 24, "列表乱码"},
      {kReplace, "Button", 448, 405, 88, 24, "替换"},
      {kRestore, "Button", 448, 445, 88, 24, "还原默认皮肤"},
      {kPreview, "OrvPicBox", 8, 16, 384, 264, ""},
      {kStatusLabel, "OrvTransLabel", 440, 485, 128, 24, ""},
      {kBanner, "OrvPicBox", 0, 0, 563, 135, ""},
      {kLink, "OrvHyperlink", 460, 380, 68, 20, "访问主页"},
  };
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  for (const ExpectedControl& e : expected) {
    SCOPED_TRACE("control " + std::to_string(e.id));
    HWND c = app.control(e.id);
    ASSERT_TRUE(c);
    EXPECT_TRUE(IsWindowVisible(c));
    EXPECT_TRUE(IsWindowEnabled(c));
    EXPECT_STRCASEEQ(className(c).c_str(), e.cls);
    const RECT r = placeInParent(c);
    EXPECT_EQ(r.left, e.left);
    EXPECT_EQ(r.top, e.top);
    EXPECT_EQ(r.right - r.left, e.width);
    EXPECT_EQ(r.bottom - r.top, e.height);
    EXPECT_EQ(app.text(e.id), e.text);
  }
  EXPECT_EQ(GetParent(app.control(kPreview)), app.control(kGroup));
  EXPECT_EQ(style(app.control(kRadio1)) & 0x0f, BS_AUTORADIOBUTTON);
  EXPECT_EQ(style(app.control(kGroup)) & 0x0f, BS_GROUPBOX);
  EXPECT_EQ(style(app.control(kReplace)) & 0x0f, BS_PUSHBUTTON) << "no default button";
  EXPECT_TRUE(GetWindowLongPtrA(app.control(kEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(style(app.control(kPreview)) & WS_BORDER);
  RECT drawing{};
  GetClientRect(app.control(kPreview), &drawing);
  EXPECT_EQ(drawing.right, 382);
  EXPECT_EQ(drawing.bottom, 262);
  for (int id : {kRadio1, kRadio2, kRadio3}) EXPECT_FALSE(app.checked(id)) << id;
}

TEST(MainWindow, TabVisitsTheTabStopsInOrderAndWraps) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  EXPECT_EQ(app.focused(), app.control(kEdit)) << "the focus starts in the edit box";
  const int order[] = {kBrowse, kRadio1, kRadio2, kRadio3, kReplace, kRestore, kLink, kEdit};
  for (int id : order) {
    app.key(VK_TAB);
    EXPECT_EQ(app.focused(), app.control(id)) << "Tab should reach control " << id;
  }
  app.key(VK_TAB, true);
  EXPECT_EQ(app.focused(), app.control(kLink)) << "Shift+Tab goes back over the wrap";
  app.key(VK_TAB, true);
  EXPECT_EQ(app.focused(), app.control(kRestore));
  for (int id : {kRadio1, kRadio2, kRadio3}) EXPECT_FALSE(app.checked(id)) << "Tab checks nothing";
}

TEST(MainWindow, ArrowKeysMoveTheCheckAmongTheRadioButtonsWithWrap) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  app.key(VK_TAB);
  app.key(VK_TAB);
  ASSERT_EQ(app.focused(), app.control(kRadio1));
  struct Step {
    WORD key;
    int expected;
  } steps[] = {{VK_DOWN, kRadio2},
               {VK_RIGHT, kRadio3},
               {VK_DOWN, kRadio1},
               {VK_UP, kRadio3},
               {VK_LEFT, kRadio2}};
  for (const Step& s : steps) {
    app.key(s.key);
    EXPECT_EQ(app.focused(), app.control(s.expected));
    for (int id : {kRadio1, kRadio2, kRadio3})
      EXPECT_EQ(app.checked(id), id == s.expected) << "after key " << s.key << ", radio " << id;
  }
}

TEST(MainWindow, EnterAndF1DoNothing) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  app.key(VK_RETURN);
  app.key(VK_F1);
  app.key(VK_TAB);
  app.key(VK_RETURN);
  EXPECT_TRUE(IsWindow(app.window()));
  EXPECT_EQ(app.focused(), app.control(kBrowse)) << "Enter neither moves the focus nor clicks";
  EXPECT_EQ(app.text(kEdit), "");
}

TEST(MainWindow, EscInTheEditBoxEndsTheProgramWithExitCodeZero) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  ASSERT_EQ(app.focused(), app.control(kEdit));
  app.key(VK_ESCAPE);
  DWORD code = 1;
  ASSERT_TRUE(app.waitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(MainWindow, CloseFromTheSystemMenuEndsTheProgramWithExitCodeZero) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  PostMessageA(app.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD code = 1;
  ASSERT_TRUE(app.waitForExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(MainWindow, MaximisedEveryControlKeepsItsPlace) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  const RECT before = placeInParent(app.control(kRestore));
  PostMessageA(app.window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  app.settle();
  EXPECT_TRUE(IsZoomed(app.window()));
  const RECT after = placeInParent(app.control(kRestore));
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right);
}

TEST(MainWindow, FocusComesBackToTheSameControlOnReactivation) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  app.key(VK_TAB);
  app.key(VK_TAB);
  ASSERT_EQ(app.focused(), app.control(kRadio1));
  ProgramUnderTest other;
  ASSERT_TRUE(other.window());
  SetForegroundWindow(other.window());
  other.settle();
  SetForegroundWindow(app.window());
  app.settle();
  EXPECT_EQ(app.focused(), app.control(kRadio1));
}

// Pixels that differ from the empty label's area, right of the first characters.
int inkPixels(const Screenshot& shot, const Screenshot& empty, int fromX) {
  int ink = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = fromX; x < shot.width(); ++x)
      if (shot.pixel(x, y) != empty.pixel(x, y)) ++ink;
  return ink;
}

TEST(MainWindow, ALabelRewrittenWithAShorterTextKeepsNoTraceOfTheLongerOne) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  HWND label = app.control(kStatusLabel);
  RECT r{};
  GetWindowRect(label, &r);
  RECT client{};
  GetClientRect(app.window(), &client);
  MapWindowPoints(app.window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  r.right = std::min(r.right, client.right);  // the label reaches past the client area
  const Screenshot empty = Screenshot::ofScreen(r);
  app.setText(kStatusLabel, "游戏皮肤替换成功!游戏皮肤替换成功!");
  app.settle();
  const int longInk = inkPixels(Screenshot::ofScreen(r), empty, 30);
  EXPECT_GT(longInk, 20) << "the long text is drawn past its first characters";
  app.setText(kStatusLabel, "好");
  app.settle();
  EXPECT_EQ(inkPixels(Screenshot::ofScreen(r), empty, 30), 0)
      << "nothing of the longer text remains beyond the short one";
  EXPECT_EQ(app.text(kStatusLabel), "好");
}

}  // namespace
}  // namespace orv::test
