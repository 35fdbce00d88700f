#include "raster.h"

#include <algorithm>
#include <cmath>

namespace orv::skingen {
namespace {

float clamp01(float v) {
  return std::min(1.0f, std::max(0.0f, v));
}

float roundRectDistance(float x, float y, float x0, float y0, float x1, float y1, float r) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
  const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

}  // namespace

Rgba rgb(uint32_t c, float alpha) {
  return {((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f, alpha};
}

Rgba mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

uint32_t toRgb(Rgba c) {
  auto ch = [](float v) { return static_cast<uint32_t>(std::lround(clamp01(v) * 255)); };
  return (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

Paint solid(Rgba c) {
  return [c](float, float) { return c; };
}

Paint vertical(Rgba top, Rgba bottom, float y0, float y1) {
  return [=](float, float y) { return mix(top, bottom, clamp01((y - y0) / (y1 - y0))); };
}

Canvas::Canvas(int width, int height)
    : w_(width), h_(height), px_(static_cast<size_t>(width) * height) {}

void Canvas::cover(const std::function<float(float, float)>& distance, const Paint& paint) {
  for (int y = 0; y < h_; ++y) {
    for (int x = 0; x < w_; ++x) {
      const float fx = x + 0.5f, fy = y + 0.5f;
      const float coverage = clamp01(0.5f - distance(fx, fy));
      if (coverage <= 0) continue;
      Rgba src = paint(fx, fy);
      const float sa = src.a * coverage;
      Rgba& dst = px_[static_cast<size_t>(y) * w_ + x];
      const float oa = sa + dst.a * (1 - sa);
      if (oa <= 0) continue;
      dst.r = (src.r * sa + dst.r * dst.a * (1 - sa)) / oa;
      dst.g = (src.g * sa + dst.g * dst.a * (1 - sa)) / oa;
      dst.b = (src.b * sa + dst.b * dst.a * (1 - sa)) / oa;
      dst.a = oa;
    }
  }
}

void Canvas::fillRoundRect(float x0, float y0, float x1, float y1, float r, const Paint& paint) {
  cover([=](float x, float y) { return roundRectDistance(x, y, x0, y0, x1, y1, r); }, paint);
}

void Canvas::fillTopRoundRect(float x0, float y0, float x1, float y1, float r, const Paint& paint) {
  cover(
      [=](float x, float y) {
        // The rounded shape extended downwards, cut flat at y1.
        const float d = roundRectDistance(x, y, x0, y0, x1, y1 + r + 1, r);
        return std::max(d, y - y1);
      },
      paint);
}

void Canvas::fillCircle(float cx, float cy, float radius, const Paint& paint) {
  cover([=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; }, paint);
}

void Canvas::line(float x0, float y0, float x1, float y1, float thickness, Rgba c) {
  const float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  cover(
      [=](float x, float y) {
        const float t = len2 > 0 ? clamp01(((x - x0) * dx + (y - y0) * dy) / len2) : 0;
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - thickness / 2;
      },
      solid(c));
}

void Canvas::strokeRect(float x0, float y0, float x1, float y1, float t, Rgba c) {
  line(x0, y0, x1, y0, t, c);
  line(x1, y0, x1, y1, t, c);
  line(x1, y1, x0, y1, t, c);
  line(x0, y1, x0, y0, t, c);
}

std::vector<uint32_t> Canvas::pixels() const {
  std::vector<uint32_t> out(px_.size());
  for (size_t i = 0; i < px_.size(); ++i) {
    const Rgba& p = px_[i];
    auto ch = [](float v) { return static_cast<uint32_t>(std::lround(clamp01(v) * 255)); };
    const uint32_t a = ch(p.a);
    auto pm = [&](float v) { return std::min(a, ch(v * p.a)); };
    out[i] = (a << 24) | (pm(p.r) << 16) | (pm(p.g) << 8) | pm(p.b);
  }
  return out;
}

}  // namespace orv::skingen
