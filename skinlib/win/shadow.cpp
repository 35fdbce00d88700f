// The aero shadow: a click-through layered window just below its framed
// window in the z-order, a little larger, whose alpha fades outwards.
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
  SIZE size;
};
std::vector<Shadow> g_shadows;

HINSTANCE moduleInstance() {
  HMODULE m = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&moduleInstance), &m);
  return m;
}

bool registerClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = moduleInstance();
  wc.lpszClassName = kShadowClass;
  return RegisterClassA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Premultiplied shadow pixels for a window of w x h with a margin of `m`.
bool render(HWND shadow, int w, int h, int m, uint32_t rgb, POINT at) {
  const int cw = w + 2 * m, ch = h + 2 * m;
  MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = cw;
  bi.bmiHeader.biHeight = -ch;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  GdiObject dib(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib) return false;
  auto* px = static_cast<uint32_t*>(bits);
  const float r = ((rgb >> 16) & 0xFF) / 255.0f, g = ((rgb >> 8) & 0xFF) / 255.0f,
              b = (rgb & 0xFF) / 255.0f;
  const int drop = std::max(1, m / 4);  // light from above: the shadow falls a little lower
  for (int y = 0; y < ch; ++y) {
    for (int x = 0; x < cw; ++x) {
      const float dx = std::max({0, m - x, x - (m + w - 1)}) * 1.0f;
      const float dy = std::max({0, m + drop - y, y - (m + drop + h - 1)}) * 1.0f;
      const float d = std::sqrt(dx * dx + dy * dy) / m;
      const float a = d >= 1 ? 0 : 0.42f * (1 - d) * (1 - d);
      const auto ai = static_cast<uint32_t>(a * 255);
      px[y * cw + x] = (ai << 24) | (static_cast<uint32_t>(r * ai) << 16) |
                       (static_cast<uint32_t>(g * ai) << 8) | static_cast<uint32_t>(b * ai);
    }
  }
  Selected sel(dc.get(), dib.get());
  POINT src{0, 0};
  SIZE size{cw, ch};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return UpdateLayeredWindow(shadow, nullptr, &at, &size, dc.get(), &src, 0, &blend, ULW_ALPHA);
}

Shadow* find(HWND target) {
  for (Shadow& s : g_shadows)
    if (s.target == target) return &s;
  return nullptr;
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
  if (!wanted) {
    if (s) ShowWindow(s->window, SW_HIDE);
    return;
  }
  const int m = skin->theme.metric(MetricId::shadowSize);
  if (m <= 0) return;
  if (!s) {
    if (!registerClass()) return;
    HWND w = CreateWindowExA(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kShadowClass, "",
        WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, moduleInstance(), nullptr);
    if (!w) return;
    g_shadows.push_back({target, w, {0, 0}});
    s = &g_shadows.back();
  }
  RECT wr;
  GetWindowRect(target, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  const POINT at{wr.left - m, wr.top - m};
  if (s->size.cx != w || s->size.cy != h) {
    if (!render(s->window, w, h, m, skin->theme.color(ColorId::shadow), at)) return;
    s->size = {w, h};
  }
  SetWindowPos(s->window, target, at.x, at.y, w + 2 * m, h + 2 * m,
               SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
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
