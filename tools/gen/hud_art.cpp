// The play screen's frames and gauges: hot-key bar, arc gauge, the three
// status bars and the status frame with its portrait ring.
#include <cmath>
#include <string>

#include "art.h"
#include "art_style.h"

namespace gen {

using namespace style;

namespace {

// A round paging knob centred on (23.5, cy) with a gold arrow.
void arrowKnob(Canvas& c, float cy, bool up) {
  const float cx = 23.5f;
  Field knob = disc(cx, cy, 11);
  goldRim(c, knob, 3, cy - 11, cy + 11);
  sunkenPanel(c, grow(knob, -3), cy - 8, cy + 8, rgb(0x28346c), rgb(0x0e1434));
  const float d = up ? -1 : 1;
  Field arrow = polygon({{cx, cy + 4.5f * d}, {cx + 5.5f, cy - 3 * d}, {cx - 5.5f, cy - 3 * d}});
  fill(c, arrow, vertical(cy - 5, cy + 5, goldStops()));
  bevel(c, arrow, 1.5f, 0.5f);
}

struct GaugeColours {
  Color dim, bright, jewel;
};

GaugeColours coloursOf(GaugeColouring k) {
  switch (k) {
    case GaugeColouring::energy:
      return {rgb(0x0a2a8a), rgb(0x30c8ff), kSapphire};
    case GaugeColouring::verdant:
      return {rgb(0x0a4a1a), rgb(0x60f040), kJade};
    case GaugeColouring::ember:
      return {rgb(0x8a2a00), rgb(0xffc020), kAmber};
    default:
      return {rgb(0x3a0a6a), rgb(0xf050e0), rgb(0xa040e0)};
  }
}

struct BarColours {
  Color base, light, dark;
};

BarColours coloursOf(BarKind k) {
  switch (k) {
    case BarKind::experience:
      return {rgb(0xd8a818), rgb(0xfff2a0), rgb(0x6a4804)};
    case BarKind::health:
      return {rgb(0xd0202a), rgb(0xff9a8a), rgb(0x5a0408)};
    default:
      return {rgb(0x2a60e0), rgb(0xa8d4ff), rgb(0x081a60)};
  }
}

}  // namespace

Canvas hotKeyBar() {
  Canvas c(47, 261);
  // A narrow column between two knobs, pure green around it.
  Field frame = box(4, 12, 43, 249, 6);
  fill(c, frame,
       linear({4, 0}, {43, 0}, {{0, rgb(0x263064)}, {0.5f, rgb(0x151b40)}, {1, rgb(0x0b0f28)}}));
  goldRim(c, frame, 3, 12, 249);
  for (int i = 0; i < 8; ++i) {
    float top = 27 + i * 26.0f;
    Field slot = box(8, top, 39, top + 24, 3);
    sunkenPanel(c, slot, top, top + 24, rgb(0x04061a), rgb(0x12183a));
    stroke(c, slot, 1, solid(withAlpha(kGoldDark, 0.9f)));
    drawText(c, font(), std::to_string(i + 1), 32, top + 22, creamLabel(9));
  }
  arrowKnob(c, 12, true);
  arrowKnob(c, 249, false);
  return c;
}

Canvas gauge(GaugeColouring colouring) {
  const GaugeColours k = coloursOf(colouring);
  Canvas c(101, 73);
  const float cx = 50.5f, cy = 58, start = -12, sweep = 204;
  // A dark dial face inside the arc.
  Field face = intersect(disc(cx, cy, 33), box(0, 0, 101, cy + 7, 0));
  fill(c, face, radial({cx, cy - 6}, 36, {{0, rgb(0x24306a)}, {1, rgb(0x070a20)}}));
  bevel(c, face, 3, -0.5f);
  Field outer = arcBand(cx, cy, 32, 47, start, sweep);
  goldRim(c, outer, 3, cy - 47, cy + 10);
  Field channel = grow(outer, -3);
  // The charge brightens along the arc, from its left end to its right,
  // and glows along the middle of the channel.
  Shader charge = [=](float x, float y) {
    float angle = std::atan2(-(y - cy), x - cx) * 180 / 3.14159f;
    float rel = std::fmod(angle - start + 720, 360);
    float t = clamp01(1 - rel / sweep);
    float across = clamp01((std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - 35) / 9);
    Color base = mix(k.dim, k.bright, 0.25f + 0.75f * t);
    float light =
        across < 0.45f ? 0.7f + across / 0.45f * 0.38f : 1.08f - (across - 0.45f) / 0.55f * 0.5f;
    return scaled(base, light);
  };
  fill(c, channel, charge);
  bevel(c, channel, 2.5f, -0.5f);
  for (int tick = 1; tick < 8; ++tick) {
    float a = (start + sweep * tick / 8) * 3.14159f / 180;
    Point p0{cx + std::cos(a) * 35, cy - std::sin(a) * 35},
        p1{cx + std::cos(a) * 44, cy - std::sin(a) * 44};
    fill(c, intersect(segment(p0, p1, 0.7f), channel), solid(Color{0, 0, 0.05f, 0.45f}));
  }
  Field hub = disc(cx, cy, 12);
  goldRim(c, hub, 3, cy - 12, cy + 12);
  fill(c, grow(hub, -3), solid(rgb(0x0b1030)));
  jewel(c, cx, cy, 6.5f, k.jewel);
  return c;
}

Canvas bar(BarKind kind) {
  const BarColours k = coloursOf(kind);
  Canvas c(78, 7);
  // Rows from the top: dark lip, bright shine, body, shadowed bottom.
  const Stop profile[] = {{0, k.dark},
                          {0.18f, k.light},
                          {0.42f, mix(k.light, k.base, 0.6f)},
                          {0.7f, k.base},
                          {1, k.dark}};
  std::vector<Stop> stops(std::begin(profile), std::end(profile));
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 78; ++x) {
      Color v = gradientAt(stops, (y + 0.5f) / 7);
      float sweepLight = 0.86f + 0.28f * (x / 77.0f);  // brighter towards the full end
      v = scaled(v, sweepLight);
      if (kind == BarKind::experience && x % 13 == 12) v = scaled(v, 0.55f);  // tenths
      if (x == 0 || x == 77) v = scaled(v, 0.5f);
      c.set(x, y, v);
    }
  return c;
}

Canvas statusFrame() {
  Canvas c(214, 107);
  Field plate = box(80, 14, 212, 96, 10);
  fill(c, plate, vertical(14, 96, {{0, rgb(0x28326a)}, {0.5f, rgb(0x141a40)}, {1, rgb(0x0a0d24)}}));
  goldRim(c, plate, 3, 14, 96);
  const char* labels[] = {"HP", "SP", "EXP"};
  const Color tints[] = {rgb(0xff8a80), rgb(0x9ac4ff), rgb(0xffe08a)};
  for (int i = 0; i < 3; ++i) {
    float mid = 35 + i * 20.0f;
    // Labels end just before their troughs, clear of the ring.
    TextStyle t = creamLabel(10);
    t.fill = {{0, rgb(0xffffff)}, {1, tints[i]}};
    drawText(c, font(), labels[i], 125.0f - font().advance(labels[i], t.size), mid + 3.5f, t);
    Field trough = box(128, mid - 4.5f, 208, mid + 4.5f, 2);
    fill(c, trough, solid(rgb(0x03040c)));
    stroke(c, trough, 1, solid(withAlpha(kGoldDark, 0.95f)));
  }
  // The portrait ring; the portrait itself shows through its middle.
  goldRim(c, disc(53.5f, 53.5f, 51), 11, 2, 105);
  stroke(c, disc(53.5f, 53.5f, 45.5f), 1.2f, solid(withAlpha(kGoldDark, 0.8f)));
  for (int k = 0; k < 4; ++k) {
    float a = (45 + k * 90) * 3.14159f / 180;
    jewel(c, 53.5f + std::cos(a) * 45.5f, 53.5f - std::sin(a) * 45.5f, 3.2f,
          k == 0 ? kJade : kSapphire);
  }
  jewel(c, 53.5f, 8, 4.2f, kRuby);
  return c;
}

}  // namespace gen
