// SkinH_EL.dll on real windows under Wine: a test window with a push button,
// two radio buttons in a group box and an edit box is skinned, hovered,
// pressed, moved and closed through real mouse input and checked on screen.
#include "screen.h"
#include "skinlib/skin_file.h"
#include "skinlib/skinh_api.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace orv::skin {
namespace {

std::vector<uint8_t> readSkin(int number) {
  char path[MAX_PATH];
  std::snprintf(path, sizeof path, "Z:%s/skin_%02d.she", ORV_GEN_DIR, number);
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(path, "rb")) {
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
  }
  return bytes;
}

Theme themeOf(int number) {
  const std::vector<uint8_t> file = readSkin(number);
  Theme t;
  EXPECT_EQ(loadSkinFile(file.data(), static_cast<int64_t>(file.size()), t), SkinResult::ok);
  return t;
}

void pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

void sendMouse(DWORD flags, int x = 0, int y = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_MOVE) {
    in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &in, sizeof in);
}

void moveMouse(POINT p) {
  SetCursorPos(p.x, p.y);
  sendMouse(MOUSEEVENTF_MOVE, p.x, p.y);
}

// A pixel of a bitmap state, composed over the colour the painters put beneath.
uint32_t composed(const Bitmap& b, size_t state, int x, int y, uint32_t beneath) {
  const uint32_t p = b.state(state)[y * b.width + x];
  const uint32_t a = p >> 24;
  uint32_t out = 0;
  for (int s = 0; s < 24; s += 8) {
    const uint32_t c = ((p >> s) & 0xFF) + (((beneath >> s) & 0xFF) * (255 - a) + 127) / 255;
    out |= std::min<uint32_t>(c, 255) << s;
  }
  return out;
}

constexpr int kButton = 1, kRadio1 = 2, kRadio2 = 3, kGroup = 4, kEdit = 5;

struct TestWindow {
  HWND hwnd = nullptr;
  int clicks = 0;

  static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (m == WM_COMMAND && LOWORD(w) == kButton && HIWORD(w) == BN_CLICKED && self) ++self->clicks;
    return DefWindowProcA(h, m, w, l);
  }

  TestWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "OrvSkinTestWindow";
    RegisterClassA(&wc);
    // 皮肤测试 (skin test)
    hwnd = CreateWindowExA(0, wc.lpszClassName, "\xc6\xa4\xb7\xf4\xb2\xe2\xca\xd4",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 150, 120, 420,
                           300, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto child = [&](const char* cls, const char* text, DWORD style, DWORD ex, int id, int x, int y,
                     int w, int h) {
      HWND c = CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
      SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    // 选项 (options), 甲 / 乙, 确定 (OK)
    child("BUTTON", "\xd1\xa1\xcf\xee", BS_GROUPBOX, 0, kGroup, 16, 10, 180, 90);
    child("BUTTON", "\xbc\xd7", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0, kRadio1, 30, 34, 120,
          20);
    child("BUTTON", "\xd2\xd2", BS_AUTORADIOBUTTON, 0, kRadio2, 30, 62, 120, 20);
    child("EDIT", "D:\\Games", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kEdit, 16, 120, 250,
          22);
    child("BUTTON", "\xc8\xb7\xb6\xa8", BS_PUSHBUTTON | WS_TABSTOP, 0, kButton, 16, 160, 120, 32);
    SendMessageA(item(kRadio1), BM_SETCHECK, BST_CHECKED, 0);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus(item(kEdit));
    pump(300);
  }
  ~TestWindow() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    pump(50);
  }

  HWND item(int id) const { return GetDlgItem(hwnd, id); }
  RECT windowRect() const {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
  }
  RECT itemRect(int id) const {
    RECT r;
    GetWindowRect(item(id), &r);
    return r;
  }
  // Height of the non-client band above the client area.
  int captionBand() const {
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    return p.y - windowRect().top;
  }
};

class SkinLibrary : public testing::Test {
 protected:
  void SetUp() override {
    lib_ = LoadLibraryA(kSkinHLibraryName);
    ASSERT_NE(lib_, nullptr);
    attach_ = entry<SkinHAttachResFn>(kSkinHAttachResName);
    aero_ = entry<SkinHSetAeroFn>(kSkinHSetAeroName);
    detach_ = entry<SkinHDetachFn>(kSkinHDetachName);
    ASSERT_TRUE(attach_ && aero_ && detach_);
  }
  void TearDown() override {
    if (detach_) detach_();
    if (aero_) aero_(0);
    pump(50);
    if (lib_) FreeLibrary(lib_);
  }

  template <typename Fn>
  Fn entry(const char* name) {
    // Through void* so the function-type cast is explicit, as GetProcAddress users must.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib_, name)));
  }

  // Attaches a skin from a buffer that is freed as soon as the call returns.
  int32_t attach(std::vector<uint8_t> bytes) {
    const int32_t r = attach_(bytes.empty() ? nullptr : bytes.data(),
                              static_cast<int32_t>(bytes.size()), "", 0, 0, 0);
    std::fill(bytes.begin(), bytes.end(), 0xCD);
    return r;
  }

  // Where skin `t` paints the middle of the active caption, and what colour.
  static POINT captionPoint(const TestWindow& w, const Theme& t) {
    const RECT r = w.windowRect();
    return {(r.left + r.right) / 2, r.top + t.metric(MetricId::captionHeight) * 3 / 4};
  }
  static uint32_t captionColour(const Theme& t) {
    const Bitmap& frame = t.bitmap(BitmapId::frame);
    return composed(frame, 0, frame.width / 2, t.metric(MetricId::captionHeight) * 3 / 4,
                    t.color(ColorId::windowBack));
  }

  HMODULE lib_ = nullptr;
  SkinHAttachResFn attach_ = nullptr;
  SkinHSetAeroFn aero_ = nullptr;
  SkinHDetachFn detach_ = nullptr;
};

TEST_F(SkinLibrary, SkinThreeWithAeroShowsTheSkinsColours) {
  TestWindow w;
  const Theme t = themeOf(3);
  const POINT shadowPoint{w.windowRect().right + 3, w.windowRect().top + 80};
  const uint32_t desktopBeside = test::Screenshot().at(shadowPoint.x, shadowPoint.y);
  ASSERT_EQ(attach(readSkin(3)), 0);
  EXPECT_EQ(w.captionBand(), t.metric(MetricId::captionHeight));
  const test::Screenshot plainAero;  // skinned, aero still off
  ASSERT_EQ(aero_(1), 0);
  pump(300);
  const test::Screenshot shot;
  shot.save("skin3_aero.bmp");

  const POINT c = captionPoint(w, t);
  EXPECT_LE(test::colourDistance(shot.at(c.x, c.y), captionColour(t)), 8)
      << std::hex << shot.at(c.x, c.y) << " vs " << captionColour(t);
  // The gloss brightens the caption's upper half.
  const RECT wr = w.windowRect();
  const int glossY = wr.top + 4;
  EXPECT_GT(test::brightness(shot.at(c.x, glossY)),
            test::brightness(plainAero.at(c.x, glossY)) + 20);
  // The frame beside the client area.
  const Bitmap& frame = t.bitmap(BitmapId::frame);
  const int f = t.metric(MetricId::frameWidth);
  const uint32_t side =
      composed(frame, 0, f / 2, frame.slice.top + 2, t.color(ColorId::windowBack));
  EXPECT_LE(test::colourDistance(shot.at(wr.left + f / 2, wr.top + 150), side), 8);
  // The soft shadow darkens the desktop beside the frame.
  EXPECT_LT(test::brightness(shot.at(shadowPoint.x, shadowPoint.y)),
            test::brightness(desktopBeside) - 30);
  // The client background and the push button's face in its normal state.
  EXPECT_EQ(shot.at(wr.right - 30, wr.bottom - 30), t.color(ColorId::windowBack));
  const RECT b = w.itemRect(kButton);
  const Bitmap& face = t.bitmap(BitmapId::pushButton);
  EXPECT_LE(
      test::colourDistance(shot.at((b.left + b.right) / 2, b.top + 2),
                           composed(face, 0, face.width / 2, 2, t.color(ColorId::windowBack))),
      8);
  // The checked radio shows its mark, the edit box its skinned border.
  const RECT r1 = w.itemRect(kRadio1);
  const int rs = t.metric(MetricId::radioSize);
  const int ry = r1.top + ((r1.bottom - r1.top) - rs) / 2;
  const Bitmap& radio = t.bitmap(BitmapId::radio);
  EXPECT_LE(test::colourDistance(shot.at(r1.left + rs / 2, ry + rs / 2),
                                 composed(radio, 4, rs / 2, rs / 2, t.color(ColorId::windowBack))),
            8);
  const RECT e = w.itemRect(kEdit);
  EXPECT_EQ(shot.at(e.left, (e.top + e.bottom) / 2), t.color(ColorId::editBorderHot));  // focused
}

TEST_F(SkinLibrary, HoverAndPressChangeButtonAndCaptionButton) {
  TestWindow w;
  const Theme t = themeOf(3);
  ASSERT_EQ(attach(readSkin(3)), 0);
  pump(200);
  const RECT b = w.itemRect(kButton);
  const POINT sample{(b.left + b.right) / 2, b.top + 2};
  const Bitmap& face = t.bitmap(BitmapId::pushButton);
  auto faceColour = [&](PushState s) {
    return composed(face, static_cast<size_t>(s), face.width / 2, 2, t.color(ColorId::windowBack));
  };
  moveMouse({b.left + 10, b.bottom - 6});
  pump(300);
  EXPECT_LE(
      test::colourDistance(test::Screenshot().at(sample.x, sample.y), faceColour(PushState::hover)),
      8);
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(300);
  test::Screenshot pressed;
  pressed.save("skin3_pressed.bmp");
  EXPECT_LE(test::colourDistance(pressed.at(sample.x, sample.y), faceColour(PushState::pressed)),
            8);
  sendMouse(MOUSEEVENTF_LEFTUP);
  pump(300);
  EXPECT_EQ(w.clicks, 1);

  // Over the close button its hover face shows.
  const RECT wr = w.windowRect();
  const int bw = t.metric(MetricId::captionButtonWidth), top = t.metric(MetricId::captionButtonTop);
  const POINT close{wr.right - t.metric(MetricId::frameWidth) - 2 - bw + 3, wr.top + top + 3};
  const Bitmap& closeFace = t.bitmap(BitmapId::closeButton);
  moveMouse(close);
  pump(300);
  const uint32_t hover = test::Screenshot().at(close.x, close.y);
  EXPECT_LE(
      test::colourDistance(hover, t.bitmap(BitmapId::closeButton).state(1)[3 * bw + 3] & 0xFFFFFF),
      10)
      << std::hex << hover;
  (void)closeFace;
  moveMouse({wr.left + 60, wr.bottom - 20});
  pump(100);
}

TEST_F(SkinLibrary, CloseButtonClosesTheWindow) {
  TestWindow w;
  const Theme t = themeOf(3);
  ASSERT_EQ(attach(readSkin(3)), 0);
  pump(200);
  const RECT wr = w.windowRect();
  const int bw = t.metric(MetricId::captionButtonWidth),
            bh = t.metric(MetricId::captionButtonHeight);
  const POINT close{wr.right - t.metric(MetricId::frameWidth) - 2 - bw / 2,
                    wr.top + t.metric(MetricId::captionButtonTop) + bh / 2};
  moveMouse(close);
  pump(150);
  sendMouse(MOUSEEVENTF_LEFTDOWN);
  pump(150);
  EXPECT_TRUE(IsWindow(w.hwnd)) << "closes only on release";
  sendMouse(MOUSEEVENTF_LEFTUP);
  pump(400);
  EXPECT_FALSE(IsWindow(w.hwnd));
}

TEST_F(SkinLibrary, CaptionMovesTheWindow) {
  TestWindow w;
  ASSERT_EQ(attach(readSkin(3)), 0);
  pump(200);
  const RECT before = w.windowRect();
  const POINT grab{before.left + 200, before.top + 12};
  // The move loop runs inside the window's thread; the mouse is driven from another.
  std::atomic<bool> done{false};
  std::thread driver([&] {
    moveMouse(grab);
    Sleep(150);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 10; ++i) {
      Sleep(40);
      moveMouse({grab.x + 6 * i, grab.y + 4 * i});
    }
    Sleep(150);
    sendMouse(MOUSEEVENTF_LEFTUP);
    done = true;
  });
  while (!done) pump(50);
  driver.join();
  pump(300);
  const RECT after = w.windowRect();
  EXPECT_EQ(after.left - before.left, 60);
  EXPECT_EQ(after.top - before.top, 40);
}

TEST_F(SkinLibrary, EachSkinAttachesAndDraws) {
  TestWindow w;
  std::vector<uint32_t> captions;
  for (int n = 1; n <= 10; ++n) {
    const Theme t = themeOf(n);
    ASSERT_EQ(attach(readSkin(n)), 0) << "skin " << n;
    pump(200);
    EXPECT_EQ(w.captionBand(), t.metric(MetricId::captionHeight)) << "skin " << n;
    const POINT c = captionPoint(w, t);
    const uint32_t seen = test::Screenshot().at(c.x, c.y);
    EXPECT_LE(test::colourDistance(seen, captionColour(t)), 8)
        << "skin " << n << std::hex << " " << seen;
    captions.push_back(seen);
  }
  std::sort(captions.begin(), captions.end());
  EXPECT_EQ(std::unique(captions.begin(), captions.end()), captions.end());
}

// What a message box showed while it was open.
struct BoxLook {
  int band = 0;  // non-client height above the client area
  SIZE client{};
  uint32_t caption = 0;  // pixel `sampleY` rows below the box's top, mid-width
};

BoxLook showMessageBox(HWND owner, int sampleY, const char* shotName) {
  BoxLook look;
  std::thread closer([&] {
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
      Sleep(20);
      box = FindWindowA("#32770", "OrvSkinBox");
    }
    if (!box) return;
    Sleep(400);
    RECT r, c;
    GetWindowRect(box, &r);
    GetClientRect(box, &c);
    POINT p{0, 0};
    ClientToScreen(box, &p);
    look.band = p.y - r.top;
    look.client = {c.right, c.bottom};
    test::Screenshot shot;
    shot.save(shotName);
    look.caption = shot.at((r.left + r.right) / 2, r.top + sampleY);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(owner, "\xc4\xda\xc8\xdd", "OrvSkinBox", MB_OK);  // 内容 (content)
  closer.join();
  return look;
}

TEST_F(SkinLibrary, MessageBoxOpenedAfterAttachingIsSkinned) {
  TestWindow w;
  const Theme t = themeOf(3);
  const int sampleY = t.metric(MetricId::captionHeight) * 3 / 4;
  const BoxLook plain = showMessageBox(w.hwnd, sampleY, "plain_messagebox.bmp");
  ASSERT_EQ(attach(readSkin(3)), 0);
  pump(100);
  const BoxLook skinned = showMessageBox(w.hwnd, sampleY, "skin3_messagebox.bmp");
  EXPECT_EQ(skinned.band, t.metric(MetricId::captionHeight));
  EXPECT_LE(test::colourDistance(skinned.caption, captionColour(t)), 8)
      << std::hex << skinned.caption;
  // The box keeps the room its text and button were laid out in.
  EXPECT_EQ(skinned.client.cx, plain.client.cx);
  EXPECT_EQ(skinned.client.cy, plain.client.cy);
  EXPECT_GT(test::colourDistance(plain.caption, skinned.caption), 8);
}

TEST_F(SkinLibrary, FolderBrowserIsSkinned) {
  TestWindow w;
  const Theme t = themeOf(3);
  ASSERT_EQ(attach(readSkin(3)), 0);
  pump(100);
  BoxLook look;
  std::thread closer([&] {
    HWND box = nullptr;
    for (int i = 0; i < 300 && !box; ++i) {
      Sleep(20);
      HWND c = FindWindowA("#32770", nullptr);
      if (c && GetWindow(c, GW_OWNER) == w.hwnd && IsWindowVisible(c)) box = c;
    }
    if (!box) return;
    Sleep(600);
    RECT r;
    GetWindowRect(box, &r);
    POINT p{0, 0};
    ClientToScreen(box, &p);
    look.band = p.y - r.top;
    test::Screenshot shot;
    shot.save("skin3_folder.bmp");
    look.caption =
        shot.at((r.left + r.right) / 2, r.top + t.metric(MetricId::captionHeight) * 3 / 4);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  });
  CoInitialize(nullptr);
  BROWSEINFOA bi{};
  bi.hwndOwner = w.hwnd;
  bi.ulFlags = BIF_EDITBOX;
  if (PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&bi)) CoTaskMemFree(chosen);
  closer.join();
  CoUninitialize();
  EXPECT_EQ(look.band, t.metric(MetricId::captionHeight));
  EXPECT_LE(test::colourDistance(look.caption, captionColour(t)), 8) << std::hex << look.caption;
}

TEST_F(SkinLibrary, BadSkinsAreRefusedAndLeaveThePlainLook) {
  TestWindow w;
  const int plainBand = w.captionBand();
  const RECT wr = w.windowRect();
  const POINT c{(wr.left + wr.right) / 2, wr.top + plainBand / 2};
  const uint32_t plain = test::Screenshot().at(c.x, c.y);
  std::vector<uint8_t> truncated = readSkin(3);
  truncated.resize(truncated.size() / 2);
  std::vector<uint8_t> flipped = readSkin(3);
  flipped[flipped.size() / 2] ^= 0x55;
  std::vector<uint8_t> wrongSize = readSkin(3);
  wrongSize[8] = 0x20;  // over 16 MiB
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    int32_t length;
  } cases[] = {
      {"null, 0", {}, 0},
      {"truncated", truncated, static_cast<int32_t>(truncated.size())},
      {"corrupt", flipped, static_cast<int32_t>(flipped.size())},
      {"absurd size", wrongSize, static_cast<int32_t>(wrongSize.size())},
      {"negative length", readSkin(3), -1},
  };
  for (const auto& k : cases) {
    std::vector<uint8_t> copy = k.bytes;
    EXPECT_NE(attach_(copy.empty() ? nullptr : copy.data(), k.length, "", 0, 0, 0), 0) << k.what;
    pump(100);
    EXPECT_EQ(w.captionBand(), plainBand) << k.what;
    EXPECT_EQ(test::Screenshot().at(c.x, c.y), plain) << k.what;
  }
  EXPECT_NE(detach_(), 0) << "nothing is attached";
}

TEST_F(SkinLibrary, BadSkinKeepsTheAttachedOne) {
  TestWindow w;
  const Theme t = themeOf(3);
  ASSERT_EQ(attach(readSkin(3)), 0);
  pump(100);
  std::vector<uint8_t> bad = readSkin(5);
  bad.resize(100);
  EXPECT_NE(attach(bad), 0);
  pump(100);
  const POINT c = captionPoint(w, t);
  EXPECT_LE(test::colourDistance(test::Screenshot().at(c.x, c.y), captionColour(t)), 8);
}

}  // namespace
}  // namespace orv::skin
