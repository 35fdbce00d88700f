// Skinned standard controls: push buttons, radio buttons, group boxes and the
// borders of edit boxes. Everything else a control does is left to it.
#include "canvas.h"
#include "skinned_parts.h"

#include <algorithm>
#include <utility>

namespace orv::skin {
namespace {

HWND g_hot = nullptr;

bool classIs(HWND hwnd, const char* name) {
  char cls[32] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return lstrcmpiA(cls, name) == 0;
}

HFONT fontOf(HWND hwnd) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool focusShown(HWND hwnd) {
  return GetFocus() == hwnd && !(SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void trackHover(HWND hwnd) {
  if (g_hot == hwnd) return;
  HWND old = g_hot;
  g_hot = hwnd;
  TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
  TrackMouseEvent(&tme);
  if (old && IsWindow(old)) InvalidateRect(old, nullptr, FALSE);
}

using Painter = void (*)(HWND, Canvas&, const ActiveSkin&);

// Composes the control off-screen and blits it once.
void paintInto(HWND hwnd, HDC target, Painter painter, const ActiveSkin& s) {
  RECT r;
  GetClientRect(hwnd, &r);
  Canvas cv(r.right, r.bottom);
  if (!cv.ok()) return;
  paintParentBackground(hwnd, cv.dc(), r);
  painter(hwnd, cv, s);
  cv.blitTo(target, 0, 0);
}

// Paints now: the default procedures of buttons draw state changes at once,
// outside WM_PAINT, and the skin must cover them.
void paintNow(HWND hwnd, Painter painter, const ActiveSkin& s) {
  if (!IsWindowVisible(hwnd)) return;
  WindowDc dc(hwnd, false);
  if (dc.get()) paintInto(hwnd, dc.get(), painter, s);
}

// Messages after which a button's look may have changed.
bool changesButtonLook(UINT msg) {
  switch (msg) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case BM_CLICK:
    case WM_SETFONT:
      return true;
  }
  return false;
}

LRESULT buttonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, Painter painter) {
  const ActiveSkin* s = activeSkin();
  if (!s) return DefSubclassProc(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc dc(hwnd);
      paintInto(hwnd, dc.get(), painter, *s);
      return 0;
    }
    case WM_PRINTCLIENT:
      paintInto(hwnd, reinterpret_cast<HDC>(wp), painter, *s);
      return 0;
    case WM_MOUSEMOVE: {
      const bool was = g_hot == hwnd;
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      trackHover(hwnd);
      if (!was) paintNow(hwnd, painter, *s);
      return r;
    }
    case WM_MOUSELEAVE:
      if (g_hot == hwnd) g_hot = nullptr;
      DefSubclassProc(hwnd, msg, wp, lp);
      paintNow(hwnd, painter, *s);
      return 0;
    case WM_NCDESTROY: {
      if (g_hot == hwnd) g_hot = nullptr;
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      forgetWindow(hwnd);
      return r;
    }
  }
  const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
  if (changesButtonLook(msg) && IsWindow(hwnd)) paintNow(hwnd, painter, *s);
  return r;
}

void drawText(HDC dc, HWND hwnd, RECT r, UINT format, COLORREF colour) {
  const WindowText text(hwnd);
  Selected font(dc, fontOf(hwnd));
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  if (SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
  DrawTextA(dc, text.c_str(), text.size(), &r, format);
}

PushState pushState(HWND hwnd) {
  const LRESULT state = SendMessageA(hwnd, BM_GETSTATE, 0, 0);
  if (!IsWindowEnabled(hwnd)) return PushState::disabled;
  if (state & BST_PUSHED) return PushState::pressed;
  if (g_hot == hwnd) return PushState::hover;
  const bool isDefault = (GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  if (GetFocus() == hwnd || isDefault) return PushState::focused;
  return PushState::normal;
}

void paintPush(HWND hwnd, Canvas& cv, const ActiveSkin& s) {
  const Theme& t = s.theme;
  RECT r{0, 0, cv.width(), cv.height()};
  const PushState ps = pushState(hwnd);
  cv.draw(t.bitmap(BitmapId::pushButton), static_cast<size_t>(ps), r);
  GdiFlush();
  RECT text = r;
  InflateRect(&text, -4, -2);
  if (ps == PushState::pressed) OffsetRect(&text, 1, 1);
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_MULTILINE) {
    const WindowText str(hwnd);
    RECT calc = text;
    {
      Selected font(cv.dc(), fontOf(hwnd));
      DrawTextA(cv.dc(), str.c_str(), str.size(), &calc, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    }
    text.top += (text.bottom - text.top - (calc.bottom - calc.top)) / 2;
    format = DT_CENTER | DT_WORDBREAK;
  }
  const bool enabled = ps != PushState::disabled;
  drawText(cv.dc(), hwnd, text, format,
           colorRef(t.color(enabled ? ColorId::buttonText : ColorId::buttonTextDisabled)));
  if (focusShown(hwnd)) {
    RECT f = r;
    InflateRect(&f, -3, -3);
    DrawFocusRect(cv.dc(), &f);
  }
}

void paintRadio(HWND hwnd, Canvas& cv, const ActiveSkin& s) {
  const Theme& t = s.theme;
  const LRESULT state = SendMessageA(hwnd, BM_GETSTATE, 0, 0);
  const bool enabled = IsWindowEnabled(hwnd);
  RadioState rs = RadioState::normal;
  if (!enabled) {
    rs = RadioState::disabled;
  } else if (state & BST_PUSHED) {
    rs = RadioState::pressed;
  } else if (g_hot == hwnd) {
    rs = RadioState::hover;
  }
  const bool checked = (SendMessageA(hwnd, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
  const size_t index =
      static_cast<size_t>(rs) + (checked ? static_cast<size_t>(RadioState::count) : 0);
  const int size = t.metric(MetricId::radioSize);
  const int top = (cv.height() - size) / 2;
  cv.draw(t.bitmap(BitmapId::radio), index, RECT{0, top, size, top + size});
  GdiFlush();
  const WindowText str(hwnd);
  RECT text{size + 4, 0, cv.width(), cv.height()};
  {
    // Keep the focus mark to the text's own extent.
    Selected font(cv.dc(), fontOf(hwnd));
    RECT calc = text;
    DrawTextA(cv.dc(), str.c_str(), str.size(), &calc, DT_SINGLELINE | DT_CALCRECT);
    text.right = std::min<LONG>(text.right, calc.right + 1);
  }
  drawText(cv.dc(), hwnd, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
           colorRef(t.color(enabled ? ColorId::windowText : ColorId::buttonTextDisabled)));
  if (focusShown(hwnd) && !str.empty()) {
    RECT f = text;
    InflateRect(&f, 1, 0);
    f.top = (cv.height() - size) / 2 - 1;
    f.bottom = f.top + size + 2;
    SetTextColor(cv.dc(), colorRef(t.color(ColorId::focusMark)));
    DrawFocusRect(cv.dc(), &f);
  }
}

// The group box draws its frame and caption only; what lies inside is the
// parent's and the controls' own.
void paintGroup(HWND hwnd, HDC dc, const ActiveSkin& s) {
  const Theme& t = s.theme;
  RECT r;
  GetClientRect(hwnd, &r);
  const WindowText str(hwnd);
  Selected font(dc, fontOf(hwnd));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const int top = tm.tmHeight / 2;
  RECT text{8, 0, r.right - 8, tm.tmHeight};
  if (!str.empty()) {
    RECT calc = text;
    DrawTextA(dc, str.c_str(), str.size(), &calc, DT_SINGLELINE | DT_CALCRECT);
    text.right = std::min(text.right, calc.right + 4);
    text.left = 6;
  }
  // Frame lines, leaving the caption's gap open.
  const int saved = SaveDC(dc);
  if (!str.empty()) ExcludeClipRect(dc, text.left, 0, text.right, tm.tmHeight);
  Brush frame(CreateSolidBrush(colorRef(t.color(ColorId::groupFrame))));
  Region outer(CreateRoundRectRgn(0, top, r.right + 1, r.bottom + 1,
                                  2 * t.metric(MetricId::groupRadius) + 1,
                                  2 * t.metric(MetricId::groupRadius) + 1));
  if (frame && outer) FrameRgn(dc, outer.get(), frame.get(), 1, 1);
  RestoreDC(dc, saved);
  if (!str.empty()) {
    RECT back = text;
    {
      Canvas cv(back.right - back.left, back.bottom - back.top);
      if (cv.ok()) {
        const int x = back.left, y = back.top;
        POINT old;
        SetWindowOrgEx(cv.dc(), x, y, &old);
        paintParentBackground(hwnd, cv.dc(), back);
        SetWindowOrgEx(cv.dc(), old.x, old.y, nullptr);
        cv.blitTo(dc, x, y);
      }
    }
    OffsetRect(&text, 2, 0);
    drawText(dc, hwnd, text, DT_LEFT | DT_TOP | DT_SINGLELINE,
             colorRef(t.color(IsWindowEnabled(hwnd) ? ColorId::groupText
                                                    : ColorId::buttonTextDisabled)));
  }
}

BOOL CALLBACK excludeSibling(HWND sibling, LPARAM lp) {
  auto* ctx = reinterpret_cast<std::pair<HWND, HDC>*>(lp);
  if (sibling == ctx->first || GetParent(sibling) != GetParent(ctx->first) ||
      !IsWindowVisible(sibling))
    return TRUE;
  RECT r;
  GetWindowRect(sibling, &r);
  MapWindowPoints(nullptr, ctx->first, reinterpret_cast<POINT*>(&r), 2);
  ExcludeClipRect(ctx->second, r.left, r.top, r.right, r.bottom);
  return TRUE;
}

// A parent that clips its children never paints beneath the group box: then
// the box fills its inside itself, around the controls that lie over it.
void eraseGroup(HWND hwnd, HDC dc) {
  HWND parent = GetParent(hwnd);
  if (!parent || !(GetWindowLongPtrA(parent, GWL_STYLE) & WS_CLIPCHILDREN)) return;
  const int saved = SaveDC(dc);
  std::pair<HWND, HDC> ctx{hwnd, dc};
  EnumChildWindows(parent, excludeSibling, reinterpret_cast<LPARAM>(&ctx));
  RECT r;
  GetClientRect(hwnd, &r);
  paintParentBackground(hwnd, dc, r);
  RestoreDC(dc, saved);
}

void paintEditBorder(HWND hwnd, const ActiveSkin& s) {
  const LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  int edge = (ex & WS_EX_CLIENTEDGE) ? 2 : (style & WS_BORDER) ? 1 : 0;
  if (ex & WS_EX_STATICEDGE) edge = 1;
  if (edge == 0) return;
  WindowDc dc(hwnd, true);
  if (!dc.get()) return;
  RECT r;
  GetWindowRect(hwnd, &r);
  OffsetRect(&r, -r.left, -r.top);
  const Theme& t = s.theme;
  const bool hot = GetFocus() == hwnd || g_hot == hwnd;
  Brush outer(
      CreateSolidBrush(colorRef(t.color(hot ? ColorId::editBorderHot : ColorId::editBorder))));
  Brush inner(CreateSolidBrush(
      colorRef(t.color(IsWindowEnabled(hwnd) ? ColorId::editBack : ColorId::windowBack))));
  if (!outer || !inner) return;
  FrameRect(dc.get(), &r, outer.get());
  if (edge == 2) {
    InflateRect(&r, -1, -1);
    FrameRect(dc.get(), &r, inner.get());
  }
}

}  // namespace

WindowText::WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  chars_.resize(static_cast<size_t>(length) + 1);
  const int got = GetWindowTextA(hwnd, chars_.data(), length + 1);
  chars_.resize(static_cast<size_t>(got < 0 ? 0 : got) + 1);
  chars_.back() = '\0';
}

SkinKind skinKindOf(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  if (classIs(hwnd, "#32770")) return SkinKind::frame;
  if (!(style & WS_CHILD))
    return (style & WS_CAPTION) == WS_CAPTION ? SkinKind::frame : SkinKind::none;
  if (classIs(hwnd, "Edit")) return SkinKind::edit;
  if (!classIs(hwnd, "Button") || (style & (BS_BITMAP | BS_ICON))) return SkinKind::none;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return SkinKind::push;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return SkinKind::radio;
    case BS_GROUPBOX:
      return SkinKind::group;
  }
  return SkinKind::none;
}

void paintParentBackground(HWND child, HDC dc, const RECT& area) {
  HWND parent = GetParent(child);
  LRESULT erased = 0;
  if (parent) {
    POINT org{0, 0};
    MapWindowPoints(child, parent, &org, 1);
    POINT old;
    OffsetWindowOrgEx(dc, org.x, org.y, &old);
    erased = SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetWindowOrgEx(dc, old.x, old.y, nullptr);
  }
  if (!erased) {
    const ActiveSkin* s = activeSkin();
    FillRect(dc, &area, s ? s->back.get() : GetSysColorBrush(COLOR_BTNFACE));
  }
  GdiFlush();
}

LRESULT CALLBACK pushProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  return buttonProc(hwnd, msg, wp, lp, paintPush);
}

LRESULT CALLBACK radioProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  return buttonProc(hwnd, msg, wp, lp, paintRadio);
}

LRESULT CALLBACK groupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  const ActiveSkin* s = activeSkin();
  if (!s) return DefSubclassProc(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      eraseGroup(hwnd, reinterpret_cast<HDC>(wp));
      return 1;
    case WM_PAINT: {
      PaintDc dc(hwnd);
      paintGroup(hwnd, dc.get(), *s);
      return 0;
    }
    case WM_PRINTCLIENT:
      paintGroup(hwnd, reinterpret_cast<HDC>(wp), *s);
      return 0;
    case WM_NCDESTROY: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      forgetWindow(hwnd);
      return r;
    }
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFONT: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK editProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  const ActiveSkin* s = activeSkin();
  if (!s) return DefSubclassProc(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_NCPAINT: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);  // scroll bars, if any
      paintEditBorder(hwnd, *s);
      return r;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      paintEditBorder(hwnd, *s);
      return r;
    }
    case WM_MOUSEMOVE:
      if (g_hot != hwnd) {
        trackHover(hwnd);
        paintEditBorder(hwnd, *s);
      }
      break;
    case WM_MOUSELEAVE:
      if (g_hot == hwnd) g_hot = nullptr;
      paintEditBorder(hwnd, *s);
      break;
    case WM_NCDESTROY: {
      if (g_hot == hwnd) g_hot = nullptr;
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      forgetWindow(hwnd);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace orv::skin
