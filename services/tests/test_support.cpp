#include "test_support.h"

#include <cstdlib>

namespace orv::test {

double nowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

namespace {

constexpr char kClassName[] = "OrvServicesTestWindow";

void registerClassOnce(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (!registered) std::abort();
}

}  // namespace

TestWindow::TestWindow(const std::string& title, Observer observer)
    : observer_(std::move(observer)) {
  registerClassOnce(&TestWindow::procedure);
  handle_ = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 320, 200,
                            nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!handle_) std::abort();
}

TestWindow::~TestWindow() {
  if (IsWindow(handle_)) DestroyWindow(handle_);
}

void TestWindow::bringToFront() const {
  ShowWindow(handle_, SW_SHOW);
  UpdateWindow(handle_);
  SetForegroundWindow(handle_);
  SetActiveWindow(handle_);
}

LRESULT CALLBACK TestWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && self->observer_) self->observer_(message, wparam, lparam);
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return DefWindowProcA(window, message, wparam, lparam);
}

TestThread::TestThread(std::function<void()> body) : body_(std::move(body)) {
  handle_ = CreateThread(nullptr, 0, &TestThread::run, this, 0, nullptr);
  if (!handle_) std::abort();
}

TestThread::~TestThread() {
  WaitForSingleObject(handle_, INFINITE);
  CloseHandle(handle_);
}

DWORD WINAPI TestThread::run(void* self) {
  static_cast<TestThread*>(self)->body_();
  return 0;
}

namespace {

struct DialogSearch {
  DWORD thread;
  HWND found;
};

BOOL CALLBACK noteDialog(HWND window, LPARAM search) {
  auto* s = reinterpret_cast<DialogSearch*>(search);
  if (GetWindowThreadProcessId(window, nullptr) == s->thread && IsWindowVisible(window) &&
      className(window) == "#32770") {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND waitForDialog(DWORD thread, int timeoutMs) {
  const double end = nowMs() + timeoutMs;
  while (nowMs() < end) {
    DialogSearch search{thread, nullptr};
    EnumWindows(&noteDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(20);
  }
  return nullptr;
}

std::string windowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string className(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

}  // namespace orv::test
