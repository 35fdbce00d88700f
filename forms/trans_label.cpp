#include "trans_label.h"

#include <string>

#include "win_handles.h"
#include "window_class.h"

namespace orv {

bool TransLabel::registerClass(HINSTANCE instance) {
  return registerWindowClass(instance, kClassName, windowProc, LoadCursor(nullptr, IDC_ARROW));
}

void TransLabel::paint(HWND hwnd) {
  PaintScope ps(hwnd);
  RECT area;
  GetClientRect(hwnd, &area);
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd, text.data(), length + 1);
  SetBkMode(ps.dc(), TRANSPARENT);
  SetTextColor(ps.dc(), color_);
  HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT);
  SelectScope select(ps.dc(), font);
  DrawTextA(ps.dc(), text.c_str(), length, &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The parent paints the label's area first, so no trace of an earlier, longer
// text is left; the label then draws its text on top.
void TransLabel::repaintBeneath(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK TransLabel::windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = windowObject<TransLabel>(hwnd, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // nothing of its own beneath the text
    case WM_PAINT:
      if (self) {
        self->paint(hwnd);
        return 0;
      }
      break;
    case WM_SETFONT:
      if (self) self->font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return self ? reinterpret_cast<LRESULT>(self->font_) : 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(hwnd, message, wparam, lparam);
      repaintBeneath(hwnd);
      return result;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to what lies beneath
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace orv
