// The aero shadow: a click-through window just below its framed window in
// the z-order, shaped to the band around the frame. Desktops without window
// composition (Wine's virtual desktop among them) draw no per-pixel alpha, so
// the band shows what lay beneath it when it was placed, darkened towards the
// frame.
#include "gdi.h"
#include "skinned_parts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orv::skin {
namespace {

constexpr const char* kShadowClass = "OrvSkinShadow";

struct Shadow {
  HWND target;
  HWND window;
  RECT placed;  // the target's rectangle the band was made for
  GdiObject picture;
  bool moving;
};
std::vector<Shadow> g_shadows;

HINSTANCE moduleInstance() {
  HMODULE m = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&moduleInstance), &m);
  return m;
}

Shadow* byWindow(HWND w) {
  for (Shadow& s : g_shadows)
    if (s.window == w) return &s;
  return nullptr;
}

Shadow* find(HWND target) {
  for (Shadow& s : g_shadows)
    if (s.target == target) return &s;
  return nullptr;
}

LRESULT CALLBACK shadowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc dc(hwnd);
      Shadow* s = byWindow(hwnd);
      if (s && s->picture) {
        MemoryDc mem(CreateCompatibleDC(dc.get()));
        if (mem) {
          Selected sel(mem.get(), s->picture.get());
          RECT r;
          GetClientRect(hwnd, &r);
          BitBlt(dc.get(), 0, 0, r.right, r.bottom, mem.get(), 0, 0, SRCCOPY);
        }
      }
      return 0;
    }
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

bool registerClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = shadowProc;
  wc.hInstance = moduleInstance();
  wc.lpszClassName = kShadowClass;
  return RegisterClassA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Strength of the shadow at (x, y) of the band, 0..1; nothing under the window.
float shadowAlpha(int x, int y, int w, int h, int m) {
  const int drop = std::max(1, m / 4);  // light from above: the shadow falls a little lower
  if (x >= m && x < m + w && y >= m && y < m + h) return 0;
  const float dx = static_cast<float>(std::max({0, m - x, x - (m + w - 1)}));
  const float dy = static_cast<float>(std::max({0, m + drop - y, y - (m + drop + h - 1)}));
  const float d = std::sqrt(dx * dx + dy * dy) / m;
  return d >= 1 ? 0 : 0.5f * (1 - d) * (1 - d);
}

// What the screen shows in `outer` now, darkened into the shadow.
GdiObject renderBand(const RECT& outer, int w, int h, int m, uint32_t rgb) {
  const int cw = outer.right - outer.left, ch = outer.bottom - outer.top;
  WindowDc screen(nullptr, false);
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  if (!dc) return {};
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = cw;
  bi.bmiHeader.biHeight = -ch;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  GdiObject dib(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib) return {};
  {
    Selected sel(dc.get(), dib.get());
    BitBlt(dc.get(), 0, 0, cw, ch, screen.get(), outer.left, outer.top, SRCCOPY);
    GdiFlush();
  }
  auto* px = static_cast<uint32_t*>(bits);
  for (int y = 0; y < ch; ++y) {
    for (int x = 0; x < cw; ++x) {
      const float a = shadowAlpha(x, y, w, h, m);
      if (a <= 0) continue;
      uint32_t& p = px[y * cw + x];
      uint32_t out = 0;
      for (int sh = 0; sh < 24; sh += 8) {
        const float c = ((p >> sh) & 0xFF) * (1 - a) + ((rgb >> sh) & 0xFF) * a;
        out |= static_cast<uint32_t>(c) << sh;
      }
      p = out;
    }
  }
  return dib;
}

}  // namespace

bool isShadowWindow(HWND hwnd) {
  char cls[32] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return lstrcmpA(cls, kShadowClass) == 0;
}

void updateShadow(HWND target) {
  const ActiveSkin* skin = activeSkin();
  const LONG_PTR style = GetWindowLongPtrA(target, GWL_STYLE);
  const bool wanted = skin && aeroEnabled() && IsWindowVisible(target) && !IsIconic(target) &&
                      !IsZoomed(target) && (style & WS_CAPTION) == WS_CAPTION;
  Shadow* s = find(target);
  const int m = skin ? skin->theme.metric(MetricId::shadowSize) : 0;
  if (!wanted || m <= 0 || (s && s->moving)) {
    if (s) ShowWindow(s->window, SW_HIDE);
    return;
  }
  if (!s) {
    if (!registerClass()) return;
    HWND w = CreateWindowExA(WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kShadowClass,
                             "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, moduleInstance(), nullptr);
    if (!w) return;
    g_shadows.push_back({target, w, {}, {}, false});
    s = &g_shadows.back();
  }
  RECT wr;
  GetWindowRect(target, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  const RECT outer{wr.left - m, wr.top - m, wr.right + m, wr.bottom + m};
  if (!EqualRect(&wr, &s->placed) || !IsWindowVisible(s->window)) {
    // Take the picture of what lies beneath with the band itself out of the way.
    ShowWindow(s->window, SW_HIDE);
    RedrawWindow(GetDesktopWindow(), &outer, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    s->picture = renderBand(outer, w, h, m, skin->theme.color(ColorId::shadow));
    s->placed = wr;
    Region band(CreateRectRgn(0, 0, w + 2 * m, h + 2 * m));
    Region inner(CreateRectRgn(m, m, m + w, m + h));
    if (band && inner && CombineRgn(band.get(), band.get(), inner.get(), RGN_DIFF) != ERROR &&
        SetWindowRgn(s->window, band.get(), FALSE)) {
      band.release();  // the system owns it now
    }
    InvalidateRect(s->window, nullptr, FALSE);
  }
  SetWindowPos(s->window, target, outer.left, outer.top, w + 2 * m, h + 2 * m,
               SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void setShadowMoving(HWND target, bool moving) {
  if (Shadow* s = find(target)) {
    s->moving = moving;
    if (moving) ShowWindow(s->window, SW_HIDE);
  }
  if (!moving) updateShadow(target);
}

void removeShadow(HWND target) {
  for (auto it = g_shadows.begin(); it != g_shadows.end(); ++it) {
    if (it->target == target) {
      DestroyWindow(it->window);
      g_shadows.erase(it);
      return;
    }
  }
}

}  // namespace orv::skin
