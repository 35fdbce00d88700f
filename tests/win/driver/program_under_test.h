// Drives the real OrvantaSkin.exe from outside, through its windows, as a user
// or an accessibility tool would.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv::test {

// The main window's title and its controls' child-window ids.
inline constexpr const char* kMainTitle = "Orvanta皮肤修改器";
enum ControlId : int {
  kEdit = 1,
  kPromptLabel,
  kBrowse,
  kGroup,
  kRadio1,
  kRadio2,
  kRadio3,
  kReplace,
  kRestore,
  kPreview,
  kStatusLabel,
  kBanner,
  kLink
};

// A Windows path for a path of the build (the build tree is reached through Z:).
std::string windowsPath(const std::string& unixPath);
// The freshly built program file.
std::string programFile();
// A new empty folder under the temporary folder.
std::string freshFolder(const std::string& tag);
// Deletes a folder and everything in it.
void removeTree(const std::string& folder);
std::string readFile(const std::string& path);
bool writeWholeFile(const std::string& path, const std::string& bytes);

// Runs a shell script on the host (Wine starts Unix programs); its exit
// status, or -1 when it could not start or did not end in time. The script
// must not contain double quotes.
int runHostShell(const std::string& script, DWORD timeoutMs = 15000);

std::string windowText(HWND hwnd);
std::string className(HWND hwnd);
// Waits for a visible top-level window of the process whose title (or class,
// when title is empty) matches; nullptr after the timeout.
HWND waitForTopLevel(DWORD processId, const std::string& title, const std::string& cls,
                     DWORD timeoutMs);
// The first child (any depth) with the class and, when given, the text.
HWND findDescendant(HWND parent, const std::string& cls, const std::string& text = {});

struct StartOptions {
  std::string folder;            // where the program file is copied; fresh if empty
  std::string workingDirectory;  // the process's start folder; the program folder if empty
  bool waitForWindow = true;
};

class ProgramUnderTest {
 public:
  explicit ProgramUnderTest(StartOptions options = {});
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  bool started() const { return process_ != nullptr; }
  const std::string& folder() const { return folder_; }
  DWORD processId() const { return processId_; }
  HWND window() const { return window_; }
  HWND control(int id) const {
    return GetDlgItem(window_, id) ? GetDlgItem(window_, id) : nested(id);
  }
  std::string text(int id) const { return windowText(control(id)); }
  void setText(int id, const std::string& text) const;
  bool checked(int id) const;
  HWND focused() const;

  // A click as the control's own message (BM_CLICK), posted so that a modal
  // box it opens does not block the driver.
  void click(int id) const;
  // A real mouse click at a point of the screen.
  static void mouseClick(POINT screen);
  // A real key press through the system's input, to the foreground window.
  void key(WORD vk, bool shift = false) const;
  // Waits until the program's queue has handled everything sent so far.
  void settle() const;

  // Waits for the process to end; false after the timeout.
  bool waitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  DWORD exitCode() const;

 private:
  HWND nested(int id) const;
  std::string folder_;
  bool ownsFolder_ = false;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

// A picture of a part of the screen.
class Screenshot {
 public:
  static Screenshot ofScreen(RECT area);
  static Screenshot ofWindow(HWND hwnd);  // the window's outer rectangle
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF pixel(int x, int y) const;  // relative to the area's top-left
  bool saveBmp(const std::string& path) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;  // top-down 0x00RRGGBB
};

}  // namespace orv::test
