#include "raster.h"

#include <algorithm>
#include <cmath>

namespace gen {

const Color kPureGreen{0, 1, 0, 1};

namespace {

constexpr float kPi = 3.14159265358979f;

Rect clipTo(const Canvas& c, Rect r) {
  if (r.empty()) return Rect{0, 0, c.width(), c.height()};
  return Rect{std::max(r.x0, 0), std::max(r.y0, 0), std::min(r.x1, c.width()),
              std::min(r.y1, c.height())};
}

// Visits every pixel centre of the clipped area.
template <typename F>
void eachPixel(const Canvas& c, Rect clip, F&& f) {
  Rect r = clipTo(c, clip);
  for (int y = r.y0; y < r.y1; ++y)
    for (int x = r.x0; x < r.x1; ++x) f(x, y, x + 0.5f, y + 0.5f);
}

float length(float x, float y) {
  return std::sqrt(x * x + y * y);
}

float segmentDistance(Point p, Point a, Point b) {
  float px = p.x - a.x, py = p.y - a.y, bx = b.x - a.x, by = b.y - a.y;
  float len2 = bx * bx + by * by;
  float t = len2 > 0 ? clamp01((px * bx + py * by) / len2) : 0;
  return length(px - bx * t, py - by * t);
}

}  // namespace

Color rgb(std::uint32_t hex, float alpha) {
  return Color{((hex >> 16) & 0xff) / 255.0f, ((hex >> 8) & 0xff) / 255.0f, (hex & 0xff) / 255.0f,
               alpha};
}

Color mix(Color a, Color b, float t) {
  return Color{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
               a.a + (b.a - a.a) * t};
}

Color withAlpha(Color c, float alpha) {
  return Color{c.r, c.g, c.b, alpha};
}

Color scaled(Color c, float factor) {
  if (factor >= 1) return mix(c, Color{1, 1, 1, c.a}, clamp01(factor - 1));
  return Color{c.r * factor, c.g * factor, c.b * factor, c.a};
}

float clamp01(float v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float smoothstep(float edge0, float edge1, float v) {
  float t = clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

float luminance(Color c) {
  return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width) * height * 4) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) set(x, y, fill);
}

Color Canvas::get(int x, int y) const {
  const float* p = &px_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  if (p[3] <= 0) return Color{p[0], p[1], p[2], 0};
  return Color{p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

void Canvas::set(int x, int y, Color c) {
  float* p = &px_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  // A fully transparent pixel keeps its colour in the colour channels, so
  // that pictures with alpha can say what colour their holes have.
  float a = c.a;
  if (a <= 0) {
    p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = 0;
    return;
  }
  p[0] = c.r * a, p[1] = c.g * a, p[2] = c.b * a, p[3] = a;
}

void Canvas::blend(int x, int y, Color c, float coverage) {
  float a = clamp01(c.a * coverage);
  if (a <= 0) return;
  float* p = &px_[(static_cast<std::size_t>(y) * width_ + x) * 4];
  if (p[3] <= 0) p[0] = p[1] = p[2] = 0;
  p[0] = c.r * a + p[0] * (1 - a);
  p[1] = c.g * a + p[1] * (1 - a);
  p[2] = c.b * a + p[2] * (1 - a);
  p[3] = a + p[3] * (1 - a);
}

Color Canvas::sample(float x, float y) const {
  x = std::clamp(x - 0.5f, 0.0f, static_cast<float>(width_ - 1));
  y = std::clamp(y - 0.5f, 0.0f, static_cast<float>(height_ - 1));
  int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
  int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
  float fx = x - x0, fy = y - y0;
  float out[4];
  for (int k = 0; k < 4; ++k) {
    auto at = [&](int xx, int yy) {
      return px_[(static_cast<std::size_t>(yy) * width_ + xx) * 4 + k];
    };
    float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * fx;
    float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * fx;
    out[k] = top + (bottom - top) * fy;
  }
  if (out[3] <= 0) return Color{0, 0, 0, 0};
  return Color{out[0] / out[3], out[1] / out[3], out[2] / out[3], out[3]};
}

Field box(float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float outside = length(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Field disc(float cx, float cy, float radius) {
  return [=](float x, float y) { return length(x - cx, y - cy) - radius; };
}

Field ellipse(float cx, float cy, float rx, float ry) {
  float k = std::min(rx, ry);
  return [=](float x, float y) {
    float dx = (x - cx) / rx, dy = (y - cy) / ry;
    return (std::sqrt(dx * dx + dy * dy) - 1) * k;
  };
}

Field ring(float cx, float cy, float inner, float outer) {
  float mid = (inner + outer) / 2, half = (outer - inner) / 2;
  return [=](float x, float y) { return std::fabs(length(x - cx, y - cy) - mid) - half; };
}

Field arcBand(float cx, float cy, float inner, float outer, float startDeg, float sweepDeg) {
  float mid = (inner + outer) / 2, half = (outer - inner) / 2;
  float start = startDeg * kPi / 180, sweep = sweepDeg * kPi / 180;
  auto cap = [=](float angle) {
    Point dir{std::cos(angle), -std::sin(angle)};
    return std::pair<Point, Point>{Point{cx + dir.x * inner, cy + dir.y * inner},
                                   Point{cx + dir.x * outer, cy + dir.y * outer}};
  };
  auto c0 = cap(start), c1 = cap(start + sweep);
  return [=](float x, float y) {
    float angle = std::atan2(-(y - cy), x - cx);
    float rel = std::fmod(angle - start + 4 * kPi, 2 * kPi);
    float band = std::fabs(length(x - cx, y - cy) - mid) - half;
    if (rel <= sweep) return band;
    float toCap = std::min(segmentDistance({x, y}, c0.first, c0.second),
                           segmentDistance({x, y}, c1.first, c1.second));
    return std::max(toCap, band);
  };
}

Field polygon(std::vector<Point> v) {
  return [v](float x, float y) {
    float d = 1e9f, sign = 1;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
      d = std::min(d, segmentDistance({x, y}, v[j], v[i]));
      bool a = v[i].y > y, b = v[j].y > y;
      if (a != b && x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x) sign = -sign;
    }
    return sign * d;
  };
}

Field segment(Point a, Point b, float halfWidth) {
  return [=](float x, float y) { return segmentDistance({x, y}, a, b) - halfWidth; };
}

Field unite(Field a, Field b) {
  return [a, b](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Field subtract(Field a, Field b) {
  return [a, b](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Field intersect(Field a, Field b) {
  return [a, b](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Field grow(Field f, float by) {
  return [f, by](float x, float y) { return f(x, y) - by; };
}
Field shift(Field f, float dx, float dy) {
  return [f, dx, dy](float x, float y) { return f(x - dx, y - dy); };
}

Shader solid(Color c) {
  return [c](float, float) { return c; };
}

Color gradientAt(const std::vector<Stop>& stops, float t) {
  if (t <= stops.front().at) return stops.front().color;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      float span = stops[i].at - stops[i - 1].at;
      return mix(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].at) / span : 1);
    }
  }
  return stops.back().color;
}

Shader linear(Point from, Point to, std::vector<Stop> stops) {
  float dx = to.x - from.x, dy = to.y - from.y, len2 = dx * dx + dy * dy;
  return [=](float x, float y) {
    return gradientAt(stops, ((x - from.x) * dx + (y - from.y) * dy) / len2);
  };
}

Shader vertical(float y0, float y1, std::vector<Stop> stops) {
  return linear({0, y0}, {0, y1}, std::move(stops));
}

Shader radial(Point centre, float radius, std::vector<Stop> stops) {
  return [=](float x, float y) {
    return gradientAt(stops, length(x - centre.x, y - centre.y) / radius);
  };
}

void fill(Canvas& c, const Field& shape, const Shader& paint, Rect clip) {
  eachPixel(c, clip, [&](int x, int y, float fx, float fy) {
    float coverage = clamp01(0.5f - shape(fx, fy));
    if (coverage > 0) c.blend(x, y, paint(fx, fy), coverage);
  });
}

void bevel(Canvas& c, const Field& shape, float width, float strength, Rect clip) {
  const float lx = -0.6f, ly = -0.8f, e = 0.5f;
  eachPixel(c, clip, [&](int x, int y, float fx, float fy) {
    float d = shape(fx, fy);
    if (d > 0.5f || d < -width) return;
    float gx = shape(fx + e, fy) - shape(fx - e, fy);
    float gy = shape(fx, fy + e) - shape(fx, fy - e);
    float len = length(gx, gy);
    if (len <= 0) return;
    float facing = (gx * lx + gy * ly) / len;  // > 0: the rim faces the light
    float depth = 1 - clamp01(-d / width);
    float amount = facing * depth * strength * clamp01(0.5f - d);
    if (amount > 0)
      c.blend(x, y, Color{1, 0.97f, 0.88f, 1}, amount);
    else
      c.blend(x, y, Color{0, 0, 0.03f, 1}, -amount);
  });
}

void glow(Canvas& c, const Field& shape, float radius, Color color, Rect clip) {
  eachPixel(c, clip, [&](int x, int y, float fx, float fy) {
    float d = shape(fx, fy);
    if (d <= -0.5f || d >= radius) return;
    float t = 1 - clamp01(d / radius);
    c.blend(x, y, color, t * t);
  });
}

void stroke(Canvas& c, const Field& shape, float width, const Shader& paint, Rect clip) {
  fill(
      c, [&](float x, float y) { return std::fabs(shape(x, y)) - width / 2; }, paint, clip);
}

void draw(Canvas& dst, const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx) {
      int dx = x + sx, dy = y + sy;
      if (dx < 0 || dy < 0 || dx >= dst.width() || dy >= dst.height()) continue;
      dst.blend(dx, dy, src.get(sx, sy), 1);
    }
}

void drawScaled(Canvas& dst, const Canvas& src, float x, float y, float w, float h) {
  float sx = src.width() / w, sy = src.height() / h;
  Rect r{static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)),
         static_cast<int>(std::ceil(x + w)), static_cast<int>(std::ceil(y + h))};
  eachPixel(dst, r, [&](int px, int py, float fx, float fy) {
    float u = (fx - x) * sx, v = (fy - y) * sy;
    if (u < 0 || v < 0 || u > src.width() || v > src.height()) return;
    dst.blend(px, py, src.sample(u, v), 1);
  });
}

void drawKeyed(Canvas& dst, const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx) {
      int dx = x + sx, dy = y + sy;
      Color s = src.get(sx, sy);
      if (isPureGreen(s) || dx < 0 || dy < 0 || dx >= dst.width() || dy >= dst.height()) continue;
      dst.blend(dx, dy, s, 1);
    }
}

bool isPureGreen(Color c) {
  return c.r < 0.5f / 255 && c.g > 254.5f / 255 && c.b < 0.5f / 255;
}

Canvas keyedOnGreen(const Canvas& art) {
  Canvas out(art.width(), art.height(), kPureGreen);
  for (int y = 0; y < art.height(); ++y)
    for (int x = 0; x < art.width(); ++x) {
      Color c = art.get(x, y);
      if (c.a < 0.5f) continue;
      c.a = 1;
      // Art must never hit the key colour by accident.
      if (isPureGreen(c)) c.g = 250.0f / 255;
      out.set(x, y, c);
    }
  return out;
}

float hash01(std::uint32_t a, std::uint32_t b) {
  std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / static_cast<float>(0x1000000);
}

float noise(float x, float y, std::uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  auto at = [&](float gx, float gy) {
    auto ix = static_cast<std::uint32_t>(static_cast<std::int32_t>(gx));
    auto iy = static_cast<std::uint32_t>(static_cast<std::int32_t>(gy));
    return hash01(ix * 73856093u ^ seed, iy * 19349663u + seed);
  };
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  float top = at(fx, fy) + (at(fx + 1, fy) - at(fx, fy)) * tx;
  float bottom = at(fx, fy + 1) + (at(fx + 1, fy + 1) - at(fx, fy + 1)) * tx;
  return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed) {
  float sum = 0, amplitude = 0.5f, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += noise(x, y, seed + i * 1013u) * amplitude;
    total += amplitude;
    x *= 2.03f;
    y *= 2.03f;
    amplitude *= 0.5f;
  }
  return sum / total;
}

}  // namespace gen
