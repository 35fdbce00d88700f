// Real windows, threads and a clock for the dialog and pump tests.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace orv::test {

// Milliseconds on the performance counter.
double nowMs();

// A top-level window of the test; each message is shown to the observer before
// the default handling.
class TestWindow {
 public:
  using Observer = std::function<void(UINT message, WPARAM wparam, LPARAM lparam)>;
  explicit TestWindow(const std::string& title, Observer observer = {});
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return handle_; }
  // Shows the window and makes it the active and foreground one.
  void bringToFront() const;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  Observer observer_;
  HWND handle_ = nullptr;
};

// A second thread that runs a body once; joined when it goes.
class TestThread {
 public:
  explicit TestThread(std::function<void()> body);
  ~TestThread();
  TestThread(const TestThread&) = delete;
  TestThread& operator=(const TestThread&) = delete;

 private:
  static DWORD WINAPI run(void* self);
  std::function<void()> body_;
  HANDLE handle_ = nullptr;
};

// The first visible dialog-class window (#32770) of the given thread, waited
// for up to the given time; nullptr if none came.
HWND waitForDialog(DWORD thread, int timeoutMs);
std::string windowText(HWND window);
std::string className(HWND window);

}  // namespace orv::test
