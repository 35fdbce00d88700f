// What every window class of the forms runtime does alike: its registration,
// and the object behind each window, kept in the window's user data.
#pragma once
#include <windows.h>

namespace orv {

// True also when the class is registered already (a second form).
inline bool registerWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, HCURSOR cursor,
                                HBRUSH background = nullptr) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The object handed over as CreateWindowEx's last argument: taken at
// WM_NCCREATE, forgotten after WM_NCDESTROY (which still sees it), null for
// the messages that come before WM_NCCREATE.
template <typename T>
T* windowObject(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  return self;
}

}  // namespace orv
