#include "program_under_test.h"

#include <cstdio>
#include <cstdlib>

namespace orv::test {

std::string windowsPath(const std::string& unixPath) {
  std::string path = unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

std::string programFile() {
  return windowsPath(ORV_PROGRAM_EXE);
}

std::string freshFolder(const std::string& tag) {
  static unsigned counter = 0;
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  for (;;) {
    const std::string folder = std::string(base) + "orv-" + tag + "-" +
                               std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
    if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
}

void removeTree(const std::string& folder) {
  if (folder.empty()) return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

std::string readFile(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  return CloseHandle(file) && ok;
}

std::string windowText(HWND hwnd) {
  if (!hwnd) return {};
  char buffer[4096] = {};
  // WM_GETTEXT works across processes for real child windows.
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return buffer;
}

std::string className(HWND hwnd) {
  char buffer[256] = {};
  GetClassNameA(hwnd, buffer, sizeof buffer);
  return buffer;
}

namespace {
struct TopLevelSearch {
  DWORD processId;
  const std::string* title;
  const std::string* cls;
  HWND found;
};

BOOL CALLBACK matchTopLevel(HWND hwnd, LPARAM lparam) {
  auto* s = reinterpret_cast<TopLevelSearch*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->processId || !IsWindowVisible(hwnd)) return TRUE;
  if (!s->title->empty() && windowText(hwnd) != *s->title) return TRUE;
  if (!s->cls->empty() && className(hwnd) != *s->cls) return TRUE;
  s->found = hwnd;
  return FALSE;
}

struct DescendantSearch {
  const std::string* cls;
  const std::string* text;
  HWND found;
};

BOOL CALLBACK matchDescendant(HWND hwnd, LPARAM lparam) {
  auto* s = reinterpret_cast<DescendantSearch*>(lparam);
  if (className(hwnd) == *s->cls && (s->text->empty() || windowText(hwnd) == *s->text)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND waitForTopLevel(DWORD processId, const std::string& title, const std::string& cls,
                     DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    TopLevelSearch s{processId, &title, &cls, nullptr};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(20);
  }
}

HWND findDescendant(HWND parent, const std::string& cls, const std::string& text) {
  DescendantSearch s{&cls, &text, nullptr};
  EnumChildWindows(parent, matchDescendant, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

ProgramUnderTest::ProgramUnderTest(StartOptions options) {
  folder_ = options.folder;
  if (folder_.empty()) {
    folder_ = freshFolder("prog");
    ownsFolder_ = true;
  }
  const std::string exe = folder_ + "\\OrvantaSkin.exe";
  if (!CopyFileA(programFile().c_str(), exe.c_str(), FALSE)) return;
  const std::string cwd = options.workingDirectory.empty() ? folder_ : options.workingDirectory;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string commandLine = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      cwd.c_str(), &si, &pi))
    return;
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  processId_ = pi.dwProcessId;
  if (options.waitForWindow) {
    window_ = waitForTopLevel(processId_, kMainTitle, "", 30000);
    if (window_) threadId_ = GetWindowThreadProcessId(window_, nullptr);
    settle();
  }
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
  if (ownsFolder_) removeTree(folder_);
}

HWND ProgramUnderTest::nested(int id) const {
  HWND found = nullptr;
  for (HWND child = GetWindow(window_, GW_CHILD); child && !found;
       child = GetWindow(child, GW_HWNDNEXT))
    found = GetDlgItem(child, id);
  return found;
}

void ProgramUnderTest::setText(int id, const std::string& text) const {
  SendMessageTimeoutA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool ProgramUnderTest::checked(int id) const {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(control(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

HWND ProgramUnderTest::focused() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

void ProgramUnderTest::click(int id) const {
  PostMessageA(control(id), BM_CLICK, 0, 0);
}

void ProgramUnderTest::mouseClick(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

void ProgramUnderTest::key(WORD vk, bool shift) const {
  SetForegroundWindow(window_);
  std::vector<INPUT> input;
  auto add = [&input](WORD code, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = code;
    i.ki.wScan = static_cast<WORD>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (code == VK_LEFT || code == VK_RIGHT || code == VK_UP || code == VK_DOWN)
      i.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    input.push_back(i);
  };
  if (shift) add(VK_SHIFT, false);
  add(vk, false);
  add(vk, true);
  if (shift) add(VK_SHIFT, true);
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  settle();
}

void ProgramUnderTest::settle() const {
  // A sent message is handled only after the posted and input messages before it.
  for (int i = 0; i < 3 && window_; ++i) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    Sleep(30);
  }
}

bool ProgramUnderTest::waitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) *exitCode = this->exitCode();
  return true;
}

DWORD ProgramUnderTest::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

int runHostShell(const std::string& script, DWORD timeoutMs) {
  static unsigned counter = 0;
  const std::string status =
      "/tmp/orv-sh-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
  // The handle of a Unix process may be signalled before it is done, so the
  // script leaves its exit status in a file, moved into place in one step.
  std::string command = "Z:\\bin\\sh -c \"(" + script + ") >/dev/null 2>&1; echo $? >" + status +
                        ".part && mv " + status + ".part " + status + "\"";
  const std::string statusFile = windowsPath(status);
  DeleteFileA(statusFile.c_str());
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  std::string answer;
  for (const DWORD start = GetTickCount(); answer.empty() && GetTickCount() - start < timeoutMs;) {
    Sleep(10);
    answer = readFile(statusFile);
  }
  DeleteFileA(statusFile.c_str());
  return answer.empty() ? -1 : std::atoi(answer.c_str());
}

// Wine's screen DC does not reliably show what X shows, so the picture is
// taken from the X server itself, with ImageMagick's import, as a person sees it.
Screenshot Screenshot::ofScreen(RECT area) {
  Screenshot shot;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return shot;
  static unsigned counter = 0;
  const std::string unixFile = "/tmp/orv-shot-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++counter) + ".bmp";
  const int status = runHostShell("import -window root -crop " + std::to_string(width) + "x" +
                                  std::to_string(height) + "+" + std::to_string(area.left) + "+" +
                                  std::to_string(area.top) + " bmp3:" + unixFile);
  const std::string file = windowsPath(unixFile);
  const std::string bmp = status == 0 ? readFile(file) : std::string();
  DeleteFileA(file.c_str());
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
  // A 24-bit bottom-up BMP3 file.
  if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M') return shot;
  auto read32 = [&bmp](size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 3])) << 24;
  };
  const std::uint32_t offset = read32(10);
  const int w = static_cast<int>(read32(18));
  const int h = static_cast<int>(read32(22));
  if (w != width || h != height || bmp.size() < offset + stride * h) return shot;
  shot.width_ = w;
  shot.height_ = h;
  shot.pixels_.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const unsigned char* row =
        reinterpret_cast<const unsigned char*>(bmp.data()) + offset + stride * (h - 1 - y);
    for (int x = 0; x < w; ++x)
      shot.pixels_[static_cast<size_t>(y) * w + x] =
          static_cast<std::uint32_t>(row[x * 3 + 2]) << 16 | row[x * 3 + 1] << 8 | row[x * 3];
  }
  return shot;
}

Screenshot Screenshot::ofWindow(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return ofScreen(r);
}

COLORREF Screenshot::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t v = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

bool Screenshot::saveBmp(const std::string& path) const {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = -height_;
  info.biPlanes = 1;
  info.biBitCount = 32;
  const DWORD bytes = static_cast<DWORD>(pixels_.size() * 4);
  file.bfType = 0x4d42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + bytes;
  std::string data(reinterpret_cast<const char*>(&file), sizeof file);
  data.append(reinterpret_cast<const char*>(&info), sizeof info);
  data.append(reinterpret_cast<const char*>(pixels_.data()), bytes);
  return writeWholeFile(path, data);
}

}  // namespace orv::test
