// Skinned top-level windows and dialogs: the frame, caption and caption
// buttons drawn from the skin, hit-testing that matches them, the client
// background and the colours answered to the window's controls.
#include "canvas.h"
#include "skinned_parts.h"

#include <windowsx.h>

namespace orv::skin {
namespace {

enum class Part { none, close, maximize, minimize };

struct Hot {
  HWND hwnd = nullptr;
  Part part = Part::none;
};
Hot g_hover, g_pressed;  // caption buttons under the mouse and held down

bool hasCaption(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  return !(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION && !IsIconic(hwnd);
}

struct Layout {
  int width = 0, height = 0;
  RECT close{}, maximize{}, minimize{}, icon{}, title{};
  bool hasClose = false, hasMaximize = false, hasMinimize = false, hasIcon = false;
};

HICON iconOf(HWND hwnd) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON));
  return icon;
}

Layout layoutOf(HWND hwnd, const Theme& t) {
  Layout l;
  RECT wr;
  GetWindowRect(hwnd, &wr);
  l.width = wr.right - wr.left;
  l.height = wr.bottom - wr.top;
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  const int bw = t.metric(MetricId::captionButtonWidth),
            bh = t.metric(MetricId::captionButtonHeight);
  const int top = t.metric(MetricId::captionButtonTop), gap = t.metric(MetricId::captionButtonGap);
  const int caption = t.metric(MetricId::captionHeight);
  int right = l.width - t.metric(MetricId::frameWidth) - 2;
  auto place = [&](RECT& r) {
    r = {right - bw, top, right, top + bh};
    right -= bw + gap;
  };
  if (style & WS_SYSMENU) {
    l.hasClose = true;
    place(l.close);
    l.hasMaximize = (style & WS_MAXIMIZEBOX) != 0;
    if (l.hasMaximize) place(l.maximize);
    l.hasMinimize = (style & WS_MINIMIZEBOX) != 0;
    if (l.hasMinimize) place(l.minimize);
  }
  int x = t.metric(MetricId::titleIndent);
  const int is = t.metric(MetricId::iconSize);
  l.hasIcon = (style & WS_SYSMENU) && is > 0 && iconOf(hwnd) &&
              !(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  if (l.hasIcon) {
    l.icon = {x, (caption - is) / 2, x + is, (caption - is) / 2 + is};
    x += is + 6;
  }
  l.title = {x, 0, right, caption};
  return l;
}

Part partAt(const Layout& l, POINT p) {
  if (l.hasClose && PtInRect(&l.close, p)) return Part::close;
  if (l.hasMaximize && PtInRect(&l.maximize, p)) return Part::maximize;
  if (l.hasMinimize && PtInRect(&l.minimize, p)) return Part::minimize;
  return Part::none;
}

LRESULT hitTest(HWND hwnd, const Theme& t, POINT screen) {
  RECT wr;
  GetWindowRect(hwnd, &wr);
  const POINT p{screen.x - wr.left, screen.y - wr.top};
  const Layout l = layoutOf(hwnd, t);
  const int f = t.metric(MetricId::frameWidth), c = t.metric(MetricId::captionHeight);
  if (p.x < 0 || p.y < 0 || p.x >= l.width || p.y >= l.height) return HTNOWHERE;
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  if ((style & WS_THICKFRAME) && !IsZoomed(hwnd)) {
    const int grip = f + 2;
    const bool left = p.x < grip, right = p.x >= l.width - grip;
    const bool top = p.y < f, bottom = p.y >= l.height - grip;
    if (top && left) return HTTOPLEFT;
    if (top && right) return HTTOPRIGHT;
    if (bottom && left) return HTBOTTOMLEFT;
    if (bottom && right) return HTBOTTOMRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
  }
  switch (partAt(l, p)) {
    case Part::close:
      return HTCLOSE;
    case Part::maximize:
      return HTMAXBUTTON;
    case Part::minimize:
      return HTMINBUTTON;
    case Part::none:
      break;
  }
  if (p.y < c) {
    if (l.hasIcon && p.x < l.icon.right + 2 && p.x >= l.icon.left - 2) return HTSYSMENU;
    return HTCAPTION;
  }
  if (p.x >= f && p.x < l.width - f && p.y < l.height - f) return HTCLIENT;
  return HTBORDER;
}

size_t buttonState(HWND hwnd, Part part, bool active) {
  if (g_pressed.hwnd == hwnd && g_pressed.part == part) {
    return g_hover.hwnd == hwnd && g_hover.part == part
               ? static_cast<size_t>(CaptionButtonState::pressed)
               : static_cast<size_t>(CaptionButtonState::hover);
  }
  if (g_hover.hwnd == hwnd && g_hover.part == part && !g_pressed.hwnd) {
    return static_cast<size_t>(CaptionButtonState::hover);
  }
  return static_cast<size_t>(active ? CaptionButtonState::normal : CaptionButtonState::inactive);
}

constexpr const char* kActiveProp = "OrvSkinActive";  // 1 active, 2 inactive

// The caption state the window was last told by WM_NCACTIVATE.
bool isActive(HWND hwnd) {
  const auto state = reinterpret_cast<INT_PTR>(GetPropA(hwnd, kActiveProp));
  if (state) return state == 1;
  return GetActiveWindow() == hwnd || GetForegroundWindow() == hwnd;
}

void drawFrame(HWND hwnd, const ActiveSkin& s, bool active) {
  const Theme& t = s.theme;
  const Layout l = layoutOf(hwnd, t);
  Canvas cv(l.width, l.height);
  if (!cv.ok()) return;
  const RECT all{0, 0, l.width, l.height};
  cv.fill(all, t.color(ColorId::windowBack));
  cv.draw(t.bitmap(BitmapId::frame),
          static_cast<size_t>(active ? FrameState::active : FrameState::inactive), all);
  const int caption = t.metric(MetricId::captionHeight);
  if (aeroEnabled() && active) {
    const int f = t.metric(MetricId::frameWidth);
    cv.gloss(RECT{f, 1, l.width - f, caption / 2 + 1}, t.metric(MetricId::glossAlpha));
  }
  if (l.hasClose)
    cv.draw(t.bitmap(BitmapId::closeButton), buttonState(hwnd, Part::close, active), l.close);
  if (l.hasMaximize) {
    cv.draw(t.bitmap(IsZoomed(hwnd) ? BitmapId::restoreButton : BitmapId::maximizeButton),
            buttonState(hwnd, Part::maximize, active), l.maximize);
  }
  if (l.hasMinimize) {
    cv.draw(t.bitmap(BitmapId::minimizeButton), buttonState(hwnd, Part::minimize, active),
            l.minimize);
  }
  GdiFlush();
  if (l.hasIcon) {
    DrawIconEx(cv.dc(), l.icon.left, l.icon.top, iconOf(hwnd), l.icon.right - l.icon.left,
               l.icon.bottom - l.icon.top, 0, nullptr, DI_NORMAL);
  }
  const WindowText title(hwnd);
  if (!title.empty()) {
    Selected font(cv.dc(), s.captionFont.get());
    SetTextColor(cv.dc(),
                 colorRef(t.color(active ? ColorId::captionText : ColorId::captionTextInactive)));
    RECT r = l.title;
    DrawTextA(cv.dc(), title.c_str(), title.size(), &r,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  WindowDc dc(hwnd, true);
  if (!dc.get()) return;
  RECT client;
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  RECT wr;
  GetWindowRect(hwnd, &wr);
  OffsetRect(&client, -wr.left, -wr.top);
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  cv.blitTo(dc.get(), 0, 0);
}

void applyRegion(HWND hwnd, const Theme* t) {
  const int r = t ? t->metric(MetricId::cornerRadius) : 0;
  if (!t || r == 0 || IsZoomed(hwnd) || !hasCaption(hwnd)) {
    SetWindowRgn(hwnd, nullptr, TRUE);
    return;
  }
  RECT wr;
  GetWindowRect(hwnd, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  Region round(CreateRoundRectRgn(0, 0, w + 1, h + 1 + 2 * r, 2 * r, 2 * r));
  Region lower(CreateRectRgn(0, r, w, h));
  if (!round || !lower) return;
  CombineRgn(round.get(), round.get(), lower.get(), RGN_OR);
  Region clip(CreateRectRgn(0, 0, w, h));
  if (clip) CombineRgn(round.get(), round.get(), clip.get(), RGN_AND);
  if (SetWindowRgn(hwnd, round.get(), TRUE)) round.release();  // the system owns it now
}

void setHover(HWND hwnd, Part part) {
  if (g_hover.hwnd == hwnd && g_hover.part == part) return;
  HWND old = g_hover.hwnd;
  g_hover = {part == Part::none ? nullptr : hwnd, part};
  if (old && old != hwnd && IsWindow(old)) paintFrame(old);
  paintFrame(hwnd);
}

void press(HWND hwnd, Part part) {
  const WPARAM command = part == Part::close      ? SC_CLOSE
                         : part == Part::minimize ? SC_MINIMIZE
                         : IsZoomed(hwnd)         ? SC_RESTORE
                                                  : SC_MAXIMIZE;
  PostMessageA(hwnd, WM_SYSCOMMAND, command, 0);
}

// Colours for controls: the skin's, unless the window chose its own.
LRESULT controlColor(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, const ActiveSkin& s) {
  const LRESULT mine = DefSubclassProc(hwnd, msg, wp, lp);
  auto* brush = reinterpret_cast<HBRUSH>(mine);
  const bool edit = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
  const bool plain = !brush || brush == GetSysColorBrush(COLOR_BTNFACE) ||
                     brush == GetSysColorBrush(COLOR_WINDOW) ||
                     brush == reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!plain || msg == WM_CTLCOLORSCROLLBAR) return mine;
  HDC dc = reinterpret_cast<HDC>(wp);
  const Theme& t = s.theme;
  SetTextColor(dc, colorRef(t.color(edit ? ColorId::editText : ColorId::windowText)));
  SetBkColor(dc, colorRef(t.color(edit ? ColorId::editBack : ColorId::windowBack)));
  return reinterpret_cast<LRESULT>(edit ? s.editBack.get() : s.back.get());
}

}  // namespace

SIZE frameGrowth(HWND hwnd, const Theme& t) {
  RECT plain{0, 0, 0, 0};
  AdjustWindowRectEx(&plain, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
  const int f = t.metric(MetricId::frameWidth);
  return {2 * f - (plain.right - plain.left),
          t.metric(MetricId::captionHeight) + f - (plain.bottom - plain.top)};
}

void paintFrame(HWND hwnd) {
  const ActiveSkin* s = activeSkin();
  if (s && hasCaption(hwnd) && IsWindowVisible(hwnd)) drawFrame(hwnd, *s, isActive(hwnd));
}

void refreshFrame(HWND hwnd) {
  const ActiveSkin* s = activeSkin();
  applyRegion(hwnd, s ? &s->theme : nullptr);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (s && aeroEnabled()) updateShadow(hwnd);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  const ActiveSkin* s = activeSkin();
  if (!s) return DefSubclassProc(hwnd, msg, wp, lp);
  const Theme& t = s->theme;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, s->back.get());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return controlColor(hwnd, msg, wp, lp, *s);
    case WM_NCDESTROY: {
      RemovePropA(hwnd, kActiveProp);
      removeShadow(hwnd);
      if (g_hover.hwnd == hwnd) g_hover = {};
      if (g_pressed.hwnd == hwnd) g_pressed = {};
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      forgetWindow(hwnd);
      return r;
    }
  }
  if (!hasCaption(hwnd)) return DefSubclassProc(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_NCCALCSIZE: {
      auto* r = reinterpret_cast<RECT*>(lp);  // first rectangle of either form
      const int f = t.metric(MetricId::frameWidth);
      r->left += f;
      r->right -= f;
      r->top += t.metric(MetricId::captionHeight);
      r->bottom -= f;
      if (r->right < r->left) r->right = r->left;
      if (r->bottom < r->top) r->bottom = r->top;
      return 0;
    }
    case WM_NCPAINT:
      paintFrame(hwnd);
      return 0;
    case WM_NCACTIVATE: {
      // -1 keeps the default handler from painting its own caption.
      DefSubclassProc(hwnd, msg, wp, -1);
      SetPropA(hwnd, kActiveProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(wp ? 1 : 2)));
      if (IsWindowVisible(hwnd)) drawFrame(hwnd, *s, wp != 0);
      return TRUE;
    }
    case WM_ENTERSIZEMOVE:
      setShadowMoving(hwnd, true);
      break;
    case WM_EXITSIZEMOVE: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      setShadowMoving(hwnd, false);
      paintFrame(hwnd);
      return r;
    }
    case WM_SETTEXT:
    case WM_SETICON:
    case WM_EXITMENULOOP: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      paintFrame(hwnd);
      return r;
    }
    case WM_NCHITTEST:
      return hitTest(hwnd, t, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    case WM_NCMOUSEMOVE: {
      const Part part = wp == HTCLOSE       ? Part::close
                        : wp == HTMAXBUTTON ? Part::maximize
                        : wp == HTMINBUTTON ? Part::minimize
                                            : Part::none;
      setHover(hwnd, part);
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE | TME_NONCLIENT, hwnd, 0};
      TrackMouseEvent(&tme);
      break;
    }
    case WM_NCMOUSELEAVE:
      if (!g_pressed.hwnd) setHover(hwnd, Part::none);
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wp == HTCLOSE || wp == HTMAXBUTTON || wp == HTMINBUTTON) {
        const Part part = wp == HTCLOSE       ? Part::close
                          : wp == HTMAXBUTTON ? Part::maximize
                                              : Part::minimize;
        g_pressed = {hwnd, part};
        g_hover = {hwnd, part};
        SetCapture(hwnd);
        paintFrame(hwnd);
        return 0;
      }
      break;
    case WM_NCLBUTTONUP:
      if (g_pressed.hwnd == hwnd) {  // a release that reached us without capture
        const Part part = g_pressed.part;
        g_pressed = {};
        if (GetCapture() == hwnd) ReleaseCapture();
        const LRESULT hit = hitTest(hwnd, t, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        paintFrame(hwnd);
        if ((hit == HTCLOSE && part == Part::close) ||
            (hit == HTMAXBUTTON && part == Part::maximize) ||
            (hit == HTMINBUTTON && part == Part::minimize)) {
          press(hwnd, part);
        }
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (g_pressed.hwnd == hwnd) {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd, &p);
        const LRESULT hit = hitTest(hwnd, t, p);
        const Part over = hit == HTCLOSE       ? Part::close
                          : hit == HTMAXBUTTON ? Part::maximize
                          : hit == HTMINBUTTON ? Part::minimize
                                               : Part::none;
        g_hover = {hwnd, over};
        paintFrame(hwnd);
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (g_pressed.hwnd == hwnd) {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd, &p);
        return SendMessageA(hwnd, WM_NCLBUTTONUP, 0, MAKELPARAM(p.x, p.y));
      }
      break;
    case WM_CAPTURECHANGED:
      if (g_pressed.hwnd == hwnd && reinterpret_cast<HWND>(lp) != hwnd) {
        g_pressed = {};
        g_hover = {};
        paintFrame(hwnd);
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      if (!(pos->flags & SWP_NOSIZE)) applyRegion(hwnd, &t);
      if (aeroEnabled()) updateShadow(hwnd);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace orv::skin
