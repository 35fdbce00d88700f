#include "canvas.h"

#include <algorithm>

namespace orv::skin {
namespace {

// Maps a destination coordinate to the source under nine-slice scaling.
int sliceMap(int d, int destSize, int srcSize, int lead, int trail) {
  if (destSize < lead + trail || lead + trail >= srcSize) return d * srcSize / destSize;
  if (d < lead) return d;
  if (d >= destSize - trail) return srcSize - (destSize - d);
  const int mid = srcSize - lead - trail, destMid = destSize - lead - trail;
  return lead + (d - lead) * mid / destMid;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : w_(std::max(1, width)), h_(std::max(1, height)), dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w_;
  bi.bmiHeader.biHeight = -h_;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  dib_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib_) return;
  old_ = SelectObject(dc_.get(), dib_.get());
  bits_ = static_cast<uint32_t*>(bits);
  SetBkMode(dc_.get(), TRANSPARENT);
}

Canvas::~Canvas() {
  if (old_) SelectObject(dc_.get(), old_);  // the bitmap must leave the DC before it is freed
}

void Canvas::fill(const RECT& r, uint32_t rgb) {
  GdiFlush();
  const int x0 = std::max<int>(0, r.left), x1 = std::min<int>(w_, r.right);
  const int y0 = std::max<int>(0, r.top), y1 = std::min<int>(h_, r.bottom);
  for (int y = y0; y < y1; ++y)
    std::fill(bits_ + y * w_ + x0, bits_ + y * w_ + std::max(x0, x1), rgb | 0xFF000000u);
}

void Canvas::blend(int x, int y, uint32_t src) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  const uint32_t a = src >> 24;
  if (a == 0) return;
  uint32_t& d = bits_[y * w_ + x];
  if (a == 255) {
    d = src;
    return;
  }
  const uint32_t inv = 255 - a;
  auto ch = [&](int shift) {
    const uint32_t v = ((src >> shift) & 0xFF) + (((d >> shift) & 0xFF) * inv + 127) / 255;
    return std::min<uint32_t>(v, 255) << shift;
  };
  d = 0xFF000000u | ch(16) | ch(8) | ch(0);
}

void Canvas::draw(const Bitmap& b, size_t state, const RECT& dest) {
  if (!ok() || b.empty() || state >= b.states) return;
  GdiFlush();
  const uint32_t* src = b.state(state);
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  if (dw <= 0 || dh <= 0) return;
  const bool sliced = b.slice.left | b.slice.top | b.slice.right | b.slice.bottom;
  if (!sliced) {
    const int ox = dest.left + (dw - b.width) / 2, oy = dest.top + (dh - b.height) / 2;
    for (int y = 0; y < b.height; ++y)
      for (int x = 0; x < b.width; ++x) blend(ox + x, oy + y, src[y * b.width + x]);
    return;
  }
  const int y0 = std::max<int>(0, -dest.top), y1 = std::min(dh, h_ - static_cast<int>(dest.top));
  const int x0 = std::max<int>(0, -dest.left), x1 = std::min(dw, w_ - static_cast<int>(dest.left));
  for (int y = y0; y < y1; ++y) {
    const int sy = sliceMap(y, dh, b.height, b.slice.top, b.slice.bottom);
    for (int x = x0; x < x1; ++x) {
      const int sx = sliceMap(x, dw, b.width, b.slice.left, b.slice.right);
      blend(dest.left + x, dest.top + y, src[sy * b.width + sx]);
    }
  }
}

void Canvas::gloss(const RECT& r, int alpha) {
  if (!ok()) return;
  GdiFlush();
  const int h = r.bottom - r.top;
  for (int y = std::max<int>(0, r.top); y < std::min<int>(h_, r.bottom); ++y) {
    const uint32_t a = static_cast<uint32_t>(alpha * (r.bottom - y) / std::max(1, h));
    const uint32_t px = (a << 24) | (a << 16) | (a << 8) | a;  // premultiplied white
    for (int x = std::max<int>(0, r.left); x < std::min<int>(w_, r.right); ++x) blend(x, y, px);
  }
}

void Canvas::blitTo(HDC target, int x, int y) const {
  if (!ok()) return;
  GdiFlush();
  BitBlt(target, x, y, w_, h_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace orv::skin
