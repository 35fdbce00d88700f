#include "hyperlink.h"

#include <shellapi.h>
#include <windowsx.h>

#include "font_factory.h"
#include "window_class.h"

namespace orv {

bool Hyperlink::registerClass(HINSTANCE instance) {
  // No class cursor: WM_SETCURSOR chooses the hand over the link.
  return registerWindowClass(instance, kClassName, windowProc, nullptr);
}

Hyperlink::Hyperlink(LinkDescription link) : link_(std::move(link)) {
  font_.reset(createFont(link_.font));
  FontDescription underlined = link_.font;
  underlined.underline = true;
  hoverFont_.reset(createFont(underlined));
}

RECT Hyperlink::linkRect(HWND hwnd) const {
  RECT client;
  GetClientRect(hwnd, &client);
  WindowDC dc(hwnd);
  SelectScope select(dc.get(), font_.get());
  SIZE extent{};
  GetTextExtentPoint32A(dc.get(), link_.text.c_str(), static_cast<int>(link_.text.size()), &extent);
  const int top = (client.bottom - extent.cy) / 2;
  return RECT{1, top, 1 + extent.cx, top + extent.cy};
}

bool Hyperlink::overLink(HWND hwnd, LPARAM lparam) const {
  const POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  const RECT r = linkRect(hwnd);
  return PtInRect(&r, p) != 0;
}

void Hyperlink::setHover(HWND hwnd, bool hover) {
  if (hover == hover_) return;
  hover_ = hover;
  if (hover) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  InvalidateRect(hwnd, nullptr, FALSE);
}

void Hyperlink::paint(HWND hwnd) {
  PaintScope ps(hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(ps.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
  SelectScope select(ps.dc(), hover_ ? hoverFont_.get() : font_.get());
  SetBkMode(ps.dc(), TRANSPARENT);
  SetTextColor(ps.dc(), link_.color);
  RECT r = linkRect(hwnd);
  DrawTextA(ps.dc(), link_.text.c_str(), static_cast<int>(link_.text.size()), &r,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  if (focused_) {
    InflateRect(&r, 1, 0);
    DrawFocusRect(ps.dc(), &r);
  }
}

LRESULT CALLBACK Hyperlink::windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = windowObject<Hyperlink>(hwnd, message, lparam);
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      self->paint(hwnd);
      return 0;
    case WM_SETCURSOR: {
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(hwnd, &p);
      const RECT r = self->linkRect(hwnd);
      SetCursor(LoadCursor(nullptr, PtInRect(&r, p) ? IDC_HAND : IDC_ARROW));
      return TRUE;
    }
    case WM_MOUSEMOVE:
      self->setHover(hwnd, self->overLink(hwnd, lparam));
      return 0;
    case WM_MOUSELEAVE:
      self->hover_ = true;  // force the change below
      self->setHover(hwnd, false);
      return 0;
    case WM_LBUTTONDOWN:
      self->pressed_ = self->overLink(hwnd, lparam);
      SetFocus(hwnd);
      return 0;
    case WM_LBUTTONUP:
      if (self->pressed_ && self->overLink(hwnd, lparam)) {
        ShellExecuteA(nullptr, "open", self->link_.target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      }
      self->pressed_ = false;
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      self->focused_ = message == WM_SETFOCUS;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace orv
