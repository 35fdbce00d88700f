// Owners of the GDI and window handles the painters use.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace orv::skin {

template <typename H, BOOL(WINAPI* Free)(H)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Owned& operator=(Owned&& o) noexcept {
    reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  ~Owned() { reset(); }
  H get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(H h = nullptr) {
    if (h_) Free(h_);
    h_ = h;
  }
  H release() { return std::exchange(h_, nullptr); }

 private:
  H h_ = nullptr;
};

inline BOOL WINAPI deleteGdi(HGDIOBJ h) {
  return DeleteObject(h);
}
using GdiObject = Owned<HGDIOBJ, deleteGdi>;
inline BOOL WINAPI deleteFont(HFONT h) {
  return DeleteObject(h);
}
using FontHandle = Owned<HFONT, deleteFont>;
inline BOOL WINAPI deleteBrush(HBRUSH h) {
  return DeleteObject(h);
}
using Brush = Owned<HBRUSH, deleteBrush>;
inline BOOL WINAPI deleteRegion(HRGN h) {
  return DeleteObject(h);
}
using Region = Owned<HRGN, deleteRegion>;
using MemoryDc = Owned<HDC, DeleteDC>;

// A window's DC from GetDC or GetWindowDC, released on scope exit.
class WindowDc {
 public:
  WindowDc(HWND hwnd, bool whole) : hwnd_(hwnd), dc_(whole ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd, &ps_); }
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return ps_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
};

// Selects an object into a DC for the scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

inline COLORREF colorRef(uint32_t rrggbb) {
  return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

}  // namespace orv::skin
