// The preview pane as a user sees it: each radio button's picture stretched
// over the preview box, by mouse and by keyboard, unchanged by Replace and
// Restore; and what a stretching picture box shows for bytes that do not decode.
#include <gtest/gtest.h>

#include <cstdio>

#include "preview_comparison.h"
#include "program_under_test.h"

namespace orv::test {
namespace {

// Screenshots of the previews are within 0.1 level per channel of the
// bilinear references (measured under Wine at 24 bits: 0.02 to 0.09); a wrong
// preview is 42 levels or more away on its worst channel (measured 42.4 to 91.6).
constexpr double kSamePicture = 1.5;
constexpr double kOtherPicture = 15.0;

struct Preview {
  int radio;
  const char* file;  // the asset file
  const char* name;
};
const Preview kPreviews[3] = {{kRadio1, "main_img1", "login picture"},
                              {kRadio2, "preview_interface", "interface"},
                              {kRadio3, "preview_server_list", "server list"}};

std::string referencePath(const Preview& p) {
  return windowsPath(std::string(ORV_PREVIEW_REFERENCE_DIR) + "/" + p.file + "-382x262.bmp");
}

std::string assetPath(const std::string& file) {
  return windowsPath(std::string(ORV_GEN_DIR) + "/" + file);
}

class PreviewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (int i = 0; i < 3; ++i) references_[i] = loadPicture(referencePath(kPreviews[i]));
  }
  void SetUp() override {
    for (const auto& r : references_) ASSERT_TRUE(r) << "a reference picture is missing";
  }

  // The part `area` of the shot shows preview `expected` and clearly none of
  // the other two; the figures are printed.
  static void expectShows(const Screenshot& shot, const RECT& area, int expected,
                          const std::string& step) {
    std::string figures;
    for (int i = 0; i < 3; ++i) {
      const auto d = meanAbsoluteDifference(shot, area, *references_[i]);
      ASSERT_TRUE(d) << step << ": the drawing area is not 382 x 262";
      figures += std::string(" ") + kPreviews[i].name + " " + d->format();
      if (i == expected)
        EXPECT_LE(d->worst(), kSamePicture) << step << ": not the " << kPreviews[i].name;
      else
        EXPECT_GE(d->worst(), kOtherPicture) << step << ": looks like the " << kPreviews[i].name;
    }
    std::printf("[ figures  ] %s: mean |difference| r/g/b against%s\n", step.c_str(),
                figures.c_str());
  }

  static std::optional<DecodedPicture> references_[3];
};
std::optional<DecodedPicture> PreviewTest::references_[3];

POINT centre(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(PreviewTest, EachChoiceShowsItsPictureStretchedOverTheBoxAndChangesNothingElse) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  const RECT window = outerRect(app.window());
  const RECT drawing = relativeTo(clientRectOnScreen(app.control(kPreview)), window);
  ASSERT_EQ(drawing.right - drawing.left, 382);
  ASSERT_EQ(drawing.bottom - drawing.top, 262);
  // Besides the drawing area, only the controls that hold or lose the focus and
  // the check may change: the radio buttons, and the edit box with its caret.
  std::vector<RECT> mayChange = {drawing};
  for (int id : {kRadio1, kRadio2, kRadio3, kEdit})
    mayChange.push_back(relativeTo(outerRect(app.control(id)), window));

  Screenshot before = settledShot(window);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(pixelsOtherThan(before, drawing, face), 0) << "before any choice only the background";
  EXPECT_EQ(ringPixelsOf(before, drawing, face), 0) << "the border surrounds the drawing area";

  enum How { Mouse, Key };
  struct Step {
    How how;
    int target;  // the radio button clicked, or the key pressed
    int expected;
    const char* name;
  };
  const Step steps[] = {
      {Mouse, kRadio2, 1, "mouse on interface"},
      {Mouse, kRadio1, 0, "mouse on login picture"},
      {Mouse, kRadio3, 2, "mouse on server list"},
      {Mouse, kRadio3, 2, "mouse on the checked server list again"},
      {Key, VK_DOWN, 0, "Down wraps to login picture"},
      {Key, VK_DOWN, 1, "Down to interface"},
      {Key, VK_RIGHT, 2, "Right to server list"},
      {Key, VK_UP, 1, "Up to interface"},
      {Key, VK_LEFT, 0, "Left to login picture"},
      {Key, VK_UP, 2, "Up wraps to server list"},
  };
  bool saved[3] = {};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    if (s.how == Mouse) {
      SetForegroundWindow(app.window());
      app.settle();
      ProgramUnderTest::mouseClick(centre(outerRect(app.control(s.target))));
      app.settle();
    } else {
      app.key(static_cast<WORD>(s.target));
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(app.checked(kPreviews[i].radio), i == s.expected) << i;
    const Screenshot after = settledShot(window);
    expectShows(after, drawing, s.expected, s.name);
    EXPECT_EQ(changedPixelsOutside(before, after, mayChange), 0)
        << "the border and the window outside the drawing area are as before";
    EXPECT_EQ(ringPixelsOf(after, drawing, face), 0) << "the border is still drawn";
    if (!saved[s.expected]) {
      saved[s.expected] = after.saveBmp(windowsPath(ORV_SCREENSHOT_DIR) + "\\preview-" +
                                        kPreviews[s.expected].file + ".bmp");
    }
    before = after;
  }
}

void makeGameFolder(const std::string& game) {
  for (const char* sub : {"\\upimg", "\\menu", "\\menu\\Skins", "\\menu\\Skins\\default"})
    CreateDirectoryA((game + sub).c_str(), nullptr);
}

bool waitForOutcome(const ProgramUnderTest& app, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (app.text(kStatusLabel).empty()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

TEST_F(PreviewTest, ReplaceAndRestoreLeaveThePreviewAsItWasAndAClickDuringTheirPauseChangesIt) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  const std::string game = freshFolder("preview-game");
  makeGameFolder(game);
  app.setText(kEdit, game);
  const RECT box = outerRect(app.control(kPreview));  // with its border
  const RECT drawing = relativeTo(clientRectOnScreen(app.control(kPreview)), box);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(kPreviews[i].name);
    app.click(kPreviews[i].radio);
    app.settle();
    const Screenshot chosen = settledShot(box);
    expectShows(chosen, drawing, i, std::string("chosen ") + kPreviews[i].name);
    for (int action : {kReplace, kRestore}) {
      app.setText(kStatusLabel, "");
      app.click(action);
      ASSERT_TRUE(waitForOutcome(app, 20000)) << "action " << action << " wrote no outcome";
      app.settle();
      EXPECT_EQ(changedPixelsOutside(chosen, settledShot(box)), 0)
          << "after action " << action << " (" << app.text(kStatusLabel) << ")";
    }
  }
  // Restore pauses before its outcome and handles clicks meanwhile: the preview follows.
  app.setText(kStatusLabel, "");
  app.click(kRestore);
  app.settle();
  app.click(kRadio1);
  app.settle();
  const Screenshot during = settledShot(box);
  EXPECT_TRUE(app.text(kStatusLabel).empty()) << "still inside Restore's pause";
  expectShows(during, drawing, 0, "login picture chosen during Restore's pause");
  EXPECT_TRUE(waitForOutcome(app, 20000));
  removeTree(game);
}

// A probe window with a stretching picture box, fed bytes from this test.
class PicBoxProbe {
 public:
  PicBoxProbe() {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    const std::string exe = windowsPath(ORV_PICBOX_PROBE_EXE);
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &process_))
      return;
    window_ = waitForTopLevel(process_.dwProcessId, "picbox probe", "", 30000);
    const std::string inboxTitle = "picbox probe " + std::to_string(process_.dwProcessId);
    for (int i = 0; i < 500 && !inbox_; ++i, Sleep(20))
      inbox_ = FindWindowExA(HWND_MESSAGE, nullptr, "OrvPicBoxProbeInbox", inboxTitle.c_str());
  }
  ~PicBoxProbe() {
    if (!process_.hProcess) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  PicBoxProbe(const PicBoxProbe&) = delete;
  PicBoxProbe& operator=(const PicBoxProbe&) = delete;

  bool ready() const { return window_ && inbox_; }
  HWND box() const { return GetDlgItem(window_, 1); }
  // Writes the bytes as the box's picture; the box has painted when this returns.
  bool write(const std::string& bytes) const {
    COPYDATASTRUCT data{};
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = const_cast<char*>(bytes.data());
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(inbox_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, 10000, &result) &&
           result == TRUE;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  HWND inbox_ = nullptr;
};

TEST_F(PreviewTest, BytesThatDoNotDecodeLeaveOnlyTheBackgroundAlsoAfterAGoodPicture) {
  const std::string bmp = readFile(assetPath("main_img1.bmp"));
  const std::string jpeg = readFile(assetPath("preview_interface.jpg"));
  ASSERT_EQ(bmp.size(), 921656u);
  ASSERT_GT(jpeg.size(), 4096u);
  std::string flipped = jpeg;  // a JPEG whose entropy-coded data is damaged
  for (size_t at = jpeg.size() / 3; at < jpeg.size() / 3 + 64; ++at) flipped[at] = '\xff';
  const int kBackground = -1;
  struct Step {
    const char* name;
    std::string bytes;
    int expected;  // a preview, or kBackground
  };
  const Step steps[] = {
      {"plain text", "not a picture at all", kBackground},
      {"no bytes", "", kBackground},
      {"bitmap header only", bmp.substr(0, 54), kBackground},
      {"bitmap cut in the middle of its rows", bmp.substr(0, bmp.size() / 2), kBackground},
      {"good bitmap", bmp, 0},
      {"JPEG cut after its first third", jpeg.substr(0, jpeg.size() / 3), kBackground},
      {"good JPEG", jpeg, 1},
      {"JPEG with damaged data", flipped, kBackground},
      {"good bitmap again", bmp, 0},
      {"signature of a bitmap and then garbage", "BM" + std::string(4000, '\x5a'), kBackground},
      {"good JPEG again", jpeg, 1},
      {"signature of a JPEG and then garbage", "\xff\xd8" + std::string(4000, '\x5a'), kBackground},
  };
  PicBoxProbe probe;
  ASSERT_TRUE(probe.ready()) << "the probe window did not come up";
  const RECT box = outerRect(probe.box());
  const RECT drawing = relativeTo(clientRectOnScreen(probe.box()), box);
  ASSERT_EQ(drawing.right - drawing.left, 382);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Screenshot empty = settledShot(box);
  EXPECT_EQ(pixelsOtherThan(empty, drawing, face), 0) << "a new box shows only its background";
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    ASSERT_TRUE(probe.write(s.bytes));
    const Screenshot shot = settledShot(box);
    if (s.expected == kBackground) {
      EXPECT_EQ(changedPixelsOutside(empty, shot), 0) << "only the background inside the border";
    } else {
      expectShows(shot, drawing, s.expected, std::string("probe, ") + s.name);
      EXPECT_EQ(changedPixelsOutside(empty, shot, {drawing}), 0) << "the border is unchanged";
    }
  }
}

}  // namespace
}  // namespace orv::test
