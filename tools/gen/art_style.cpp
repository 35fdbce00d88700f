#include "art_style.h"

#include <cmath>

namespace gen::style {

const Color kNightDeep = rgb(0x0a1030), kNight = rgb(0x1b2858), kNightLight = rgb(0x3d5aa8),
            kGoldLight = rgb(0xfff0b4), kGold = rgb(0xe2b04a), kGoldDark = rgb(0x8a5a18),
            kBrownInk = rgb(0x2a1604), kCream = rgb(0xf8ead0), kJade = rgb(0x2fc9a4),
            kRuby = rgb(0xd42a3a), kSapphire = rgb(0x2f6fe0), kAmber = rgb(0xf0a020);

const Font& font() {
  static const Font f;
  return f;
}

std::vector<Stop> goldStops() {
  return {{0, rgb(0xfff3c0)},
          {0.28f, rgb(0xeec060)},
          {0.52f, rgb(0xb07a26)},
          {0.7f, rgb(0xdba646)},
          {1, rgb(0x6e4410)}};
}

void goldRim(Canvas& c, const Field& outer, float width, float y0, float y1, Rect clip) {
  Field rim = subtract(outer, grow(outer, -width));
  stroke(c, outer, 1.4f, solid(withAlpha(kBrownInk, 0.9f)), clip);
  fill(c, rim, vertical(y0, y1, goldStops()), clip);
  bevel(c, rim, width * 0.55f, 0.75f, clip);
}

void sunkenPanel(Canvas& c, const Field& shape, float y0, float y1, Color top, Color bottom,
                 Rect clip) {
  fill(c, shape, vertical(y0, y1, {{0, top}, {1, bottom}}), clip);
  bevel(c, shape, 3.5f, -0.55f, clip);
}

void jewel(Canvas& c, float cx, float cy, float r, Color base) {
  Field body = disc(cx, cy, r);
  stroke(c, body, 1.2f, solid(withAlpha(kBrownInk, 0.9f)));
  fill(c, body,
       radial({cx - r * 0.35f, cy - r * 0.4f}, r * 1.6f,
              {{0, scaled(base, 1.55f)}, {0.45f, base}, {1, scaled(base, 0.35f)}}));
  bevel(c, body, r * 0.5f, 0.5f);
  fill(c, disc(cx - r * 0.35f, cy - r * 0.38f, r * 0.28f), solid(Color{1, 1, 1, 0.75f}));
}

namespace {

// The height of a ridge line at x: a noise curve around `base`.
float ridge(float x, float base, float amplitude, float scale, std::uint32_t seed) {
  return base - amplitude * fractalNoise(x / scale, 0.5f, 4, seed);
}

Field below(std::function<float(float)> line) {
  return [line](float x, float y) { return line(x) - y; };
}

void pine(Canvas& c, float x, float groundY, float h, Color colour) {
  for (int tier = 0; tier < 4; ++tier) {
    float top = groundY - h + tier * h * 0.2f, half = h * (0.16f + tier * 0.07f);
    fill(c, polygon({{x, top}, {x + half, top + h * 0.32f}, {x - half, top + h * 0.32f}}),
         solid(colour));
  }
  fill(c, box(x - h * 0.03f, groundY - h * 0.1f, x + h * 0.03f, groundY + 2), solid(colour));
}

void castle(Canvas& c, float x, float groundY, float s) {
  const Color wall = rgb(0x151430), roof = rgb(0x0e0c24), window = rgb(0xffc860);
  struct Tower {
    float dx, w, h;
  };
  const Tower towers[] = {{-40, 14, 70}, {-20, 18, 95}, {4, 22, 120}, {30, 16, 84}, {48, 12, 60}};
  fill(c, box(x - 52 * s, groundY - 45 * s, x + 58 * s, groundY + 4), solid(wall));
  for (const Tower& t : towers) {
    float l = x + t.dx * s - t.w * s / 2, r = x + t.dx * s + t.w * s / 2, top = groundY - t.h * s;
    fill(c, box(l, top, r, groundY + 4), solid(wall));
    fill(c, polygon({{l - 2 * s, top}, {(l + r) / 2, top - t.w * 1.5f * s}, {r + 2 * s, top}}),
         solid(roof));
    for (int k = 0; k < 2; ++k) {
      float wy = top + (12 + k * 22) * s, wx = (l + r) / 2;
      Field pane = box(wx - 1.6f * s, wy, wx + 1.6f * s, wy + 5 * s, 1.5f * s);
      glow(c, pane, 5 * s, withAlpha(window, 0.35f));
      fill(c, pane, solid(window));
    }
  }
  // Battlements along the wall.
  for (float bx = x - 50 * s; bx < x + 56 * s; bx += 7 * s)
    fill(c, box(bx, groundY - 49 * s, bx + 4 * s, groundY - 44 * s), solid(wall));
}

}  // namespace

void duskScene(Canvas& c, float horizon, std::uint32_t seed, bool withCastle) {
  const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  fill(c, box(-1, -1, w + 1, h + 1),
       vertical(0, horizon,
                {{0, rgb(0x060a20)},
                 {0.35f, rgb(0x131c48)},
                 {0.62f, rgb(0x3a2e6c)},
                 {0.82f, rgb(0x8c4c7a)},
                 {1, rgb(0xeb9060)}}));
  // Stars thin out towards the glowing horizon.
  const int stars = static_cast<int>(w * horizon / 700);
  for (int i = 0; i < stars; ++i) {
    float sx = hash01(seed, i * 2) * w, sy = hash01(seed, i * 2 + 1) * horizon * 0.8f;
    float bright = hash01(seed + 7, i) * (1 - sy / horizon);
    float r = 0.4f + bright * 0.9f;
    glow(c, disc(sx, sy, r), 2.5f * r, Color{0.8f, 0.85f, 1, 0.35f * bright});
    fill(c, disc(sx, sy, r), solid(Color{1, 0.97f, 0.9f, 0.4f + 0.6f * bright}));
  }
  // The moon with its halo.
  const float mr = h * 0.1f, mx = w * 0.74f, my = horizon * 0.32f;
  glow(c, disc(mx, my, mr), mr * 2.2f, Color{1, 0.85f, 0.6f, 0.3f});
  fill(c, disc(mx, my, mr),
       radial({mx - mr * 0.3f, my - mr * 0.3f}, mr * 1.4f,
              {{0, rgb(0xfffbe8)}, {0.6f, rgb(0xf6e2b0)}, {1, rgb(0xd8b880)}}));
  for (int i = 0; i < 5; ++i) {
    float cx = mx + (hash01(seed + 3, i) - 0.5f) * mr * 1.2f,
          cy = my + (hash01(seed + 4, i) - 0.5f) * mr * 1.2f;
    fill(c,
         intersect(disc(cx, cy, mr * (0.1f + 0.12f * hash01(seed + 5, i))), disc(mx, my, mr - 1)),
         solid(Color{0.75f, 0.6f, 0.4f, 0.25f}));
  }
  // Far mountains in haze, then mist, then the nearer range.
  auto far = [=](float x) { return ridge(x, horizon + 6, h * 0.22f, w * 0.18f, seed + 11); };
  fill(c, below(far),
       vertical(horizon - h * 0.22f, horizon + 10, {{0, rgb(0x5c4a8a)}, {1, rgb(0x8a5a86)}}));
  fill(c, box(-1, horizon - h * 0.08f, w + 1, horizon + h * 0.05f),
       vertical(horizon - h * 0.08f, horizon + h * 0.05f,
                {{0, Color{1, 0.75f, 0.7f, 0}},
                 {0.6f, Color{1, 0.8f, 0.75f, 0.35f}},
                 {1, Color{1, 0.8f, 0.75f, 0}}}));
  auto mid = [=](float x) { return ridge(x, horizon + h * 0.1f, h * 0.16f, w * 0.12f, seed + 23); };
  fill(c, below(mid),
       vertical(horizon - h * 0.05f, horizon + h * 0.1f, {{0, rgb(0x2e2a5e)}, {1, rgb(0x1c1a40)}}));
  if (withCastle) castle(c, w * 0.22f, mid(w * 0.22f) + 3, h / 480.0f * 1.1f);
  auto nearLine = [=](float x) {
    return ridge(x, horizon + h * 0.26f, h * 0.12f, w * 0.08f, seed + 37);
  };
  fill(c, below(nearLine),
       vertical(horizon + h * 0.1f, h, {{0, rgb(0x141234)}, {1, rgb(0x07061a)}}));
  // Pines framing both sides.
  for (int i = 0; i < 7; ++i) {
    float side = i % 2 ? w - hash01(seed + 41, i) * w * 0.16f : hash01(seed + 41, i) * w * 0.14f;
    float th = h * (0.16f + 0.12f * hash01(seed + 43, i));
    pine(c, side, nearLine(side) + 6, th, rgb(0x05040f));
  }
}

TextStyle goldTitle(int size) {
  TextStyle s;
  s.size = size;
  s.fill = goldStops();
  s.outline = kBrownInk;
  s.outlineWidth = size >= 28 ? 2 : 1;
  s.shadow = Color{0, 0, 0, 0.7f};
  s.shadowBlur = size >= 28 ? 3 : 1;
  s.shadowOffset = size >= 28 ? 2.5f : 1;
  return s;
}

TextStyle creamLabel(int size) {
  TextStyle s;
  s.size = size;
  s.fill = {{0, rgb(0xfffaf0)}, {1, rgb(0xe8d0a0)}};
  s.outline = Color{0.03f, 0.03f, 0.1f, 0.85f};
  s.outlineWidth = 1;
  return s;
}

}  // namespace gen::style
