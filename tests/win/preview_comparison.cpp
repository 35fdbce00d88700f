#include "preview_comparison.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace orv::test {

double ChannelDifference::worst() const {
  return std::max({red, green, blue});
}

std::string ChannelDifference::format() const {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f/%.2f/%.2f", red, green, blue);
  return text;
}

RECT outerRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT clientRectOnScreen(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT relativeTo(const RECT& inner, const RECT& outer) {
  return RECT{inner.left - outer.left, inner.top - outer.top, inner.right - outer.left,
              inner.bottom - outer.top};
}

Screenshot settledShot(RECT area, int attempts) {
  Screenshot last = Screenshot::ofScreen(area);
  for (int i = 1; i < attempts; ++i) {
    Sleep(40);
    Screenshot next = Screenshot::ofScreen(area);
    if (changedPixelsOutside(last, next) == 0) return next;
    last = std::move(next);
  }
  return last;
}

std::optional<ChannelDifference> meanAbsoluteDifference(const Screenshot& shot, const RECT& area,
                                                        const DecodedPicture& reference) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width != reference.width || height != reference.height || area.left < 0 || area.top < 0 ||
      area.right > shot.width() || area.bottom > shot.height())
    return std::nullopt;
  double sums[3] = {};
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = reference.pixels.data() + size_t{reference.stride} * y;
    for (int x = 0; x < width; ++x) {
      const COLORREF seen = shot.pixel(area.left + x, area.top + y);
      sums[0] += std::abs(GetRValue(seen) - row[x * 3 + 2]);
      sums[1] += std::abs(GetGValue(seen) - row[x * 3 + 1]);
      sums[2] += std::abs(GetBValue(seen) - row[x * 3]);
    }
  }
  const double n = static_cast<double>(width) * height;
  return ChannelDifference{sums[0] / n, sums[1] / n, sums[2] / n};
}

int pixelsOtherThan(const Screenshot& shot, const RECT& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += shot.pixel(x, y) != colour;
  return count;
}

int ringPixelsOf(const Screenshot& shot, const RECT& area, COLORREF colour) {
  int count = 0;
  for (int x = area.left - 1; x <= area.right; ++x)
    count += (shot.pixel(x, area.top - 1) == colour) + (shot.pixel(x, area.bottom) == colour);
  for (int y = area.top; y < area.bottom; ++y)
    count += (shot.pixel(area.left - 1, y) == colour) + (shot.pixel(area.right, y) == colour);
  return count;
}

int changedPixelsOutside(const Screenshot& before, const Screenshot& after,
                         const std::vector<RECT>& excluded) {
  if (before.width() != after.width() || before.height() != after.height() || !before.width())
    return -1;
  int changed = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) {
      const POINT p{x, y};
      if (std::any_of(excluded.begin(), excluded.end(),
                      [p](const RECT& r) { return PtInRect(&r, p); }))
        continue;
      changed += before.pixel(x, y) != after.pixel(x, y);
    }
  return changed;
}

std::optional<DecodedPicture> loadPicture(const std::string& windowsPath) {
  const std::string bytes = readFile(windowsPath);
  return decodePicture(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace orv::test
