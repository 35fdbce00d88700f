// The eight menu buttons (character, bag, skills, quests, party, guild, map,
// system) and the menu bar that holds them.
#include <cmath>

#include "art.h"
#include "art_style.h"

namespace gen {

using namespace style;

namespace {

enum class Face { normal, lit, pressed };

// The emblem of button `index` inside a box centred on (cx, cy), about 22 pixels.
Field emblem(int index, float cx, float cy) {
  switch (index) {
    case 0:  // character: a head over shoulders
      return unite(disc(cx, cy - 5, 4.5f),
                   intersect(disc(cx, cy + 10, 9), box(cx - 10, cy + 1, cx + 10, cy + 9)));
    case 1:  // bag: a pouch tied at the neck
      return unite(
          unite(disc(cx, cy + 3, 7.5f), box(cx - 3, cy - 7, cx + 3, cy - 2, 1)),
          polygon({{cx - 6, cy - 9}, {cx + 6, cy - 9}, {cx + 3, cy - 6}, {cx - 3, cy - 6}}));
    case 2:  // skills: a lightning bolt
      return polygon({{cx + 5, cy - 12},
                      {cx - 8, cy + 2},
                      {cx - 1, cy + 2},
                      {cx - 5, cy + 12},
                      {cx + 8, cy - 3},
                      {cx + 1, cy - 3}});
    case 3:  // quests: a scroll with rolled ends
      return unite(box(cx - 6, cy - 8, cx + 6, cy + 8, 1),
                   unite(segment({cx - 8, cy - 8}, {cx + 8, cy - 8}, 2.2f),
                         segment({cx - 8, cy + 8}, {cx + 8, cy + 8}, 2.2f)));
    case 4:  // party: two figures
      return unite(unite(disc(cx - 4, cy - 4, 3.5f),
                         intersect(disc(cx - 4, cy + 9, 7), box(cx - 11, cy + 1, cx + 3, cy + 8))),
                   unite(disc(cx + 5, cy - 6, 3.5f),
                         intersect(disc(cx + 5, cy + 7, 7), box(cx - 2, cy - 1, cx + 12, cy + 6))));
    case 5:  // guild: a swallow-tailed banner on a pole
      return unite(box(cx - 8, cy - 10, cx - 6, cy + 11), polygon({{cx - 6, cy - 10},
                                                                   {cx + 9, cy - 10},
                                                                   {cx + 9, cy + 4},
                                                                   {cx + 1.5f, cy},
                                                                   {cx - 6, cy + 4}}));
    case 6: {  // map: a compass rose
      Field needle = polygon({{cx, cy - 11}, {cx + 3, cy}, {cx, cy + 11}, {cx - 3, cy}});
      Field cross = polygon({{cx - 11, cy}, {cx, cy - 3}, {cx + 11, cy}, {cx, cy + 3}});
      return unite(unite(needle, cross), ring(cx, cy, 6, 7.5f));
    }
    default: {  // system: a gear
      Field teeth = disc(cx, cy, 7);
      for (int k = 0; k < 8; ++k) {
        float a = k * 3.14159f / 4;
        teeth =
            unite(teeth, segment({cx, cy}, {cx + std::cos(a) * 9.5f, cy + std::sin(a) * 9.5f}, 2));
      }
      return subtract(teeth, disc(cx, cy, 3));
    }
  }
}

// One face of a button: a 38x39 plate whose top row is `top`.
void buttonFace(Canvas& c, int index, float left, float top, Face face) {
  const float right = left + 38, bottom = top + 39;
  Rect clip{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
            static_cast<int>(bottom)};
  Field plate = box(left, top, right, bottom, 7);
  goldRim(c, plate, 3, top, bottom, clip);
  Field inner = grow(plate, -3);
  Color hi = face == Face::lit       ? rgb(0x5c8cf0)
             : face == Face::pressed ? rgb(0x16245a)
                                     : rgb(0x30489a);
  Color lo = face == Face::lit       ? rgb(0x1a3a90)
             : face == Face::pressed ? rgb(0x070c26)
                                     : rgb(0x0d1844);
  fill(c, inner, radial({left + 19, top + 12}, 26, {{0, hi}, {1, lo}}), clip);
  bevel(c, inner, 3, face == Face::pressed ? -0.7f : -0.35f, clip);
  if (face == Face::lit)
    fill(c, inner,
         radial({left + 19, top + 19.5f}, 20,
                {{0, Color{0.7f, 0.9f, 1, 0.45f}}, {1, Color{0.7f, 0.9f, 1, 0}}}),
         clip);
  const float push = face == Face::pressed ? 1 : 0;
  Field mark = emblem(index, left + 19 + push, top + 19.5f + push);
  fill(c, shift(mark, 1, 1.2f), solid(Color{0, 0, 0.05f, 0.6f}), clip);
  std::vector<Stop> metal = goldStops();
  if (face == Face::lit) metal = {{0, rgb(0xffffff)}, {0.5f, rgb(0xffe6a0)}, {1, rgb(0xd8a040)}};
  fill(c, mark, vertical(top + 8, top + 31, metal), clip);
  bevel(c, mark, 1.5f, 0.5f, clip);
}

}  // namespace

Canvas menuButton(int index) {
  Canvas c(40, 126);
  buttonFace(c, index, 1, 1, Face::normal);
  buttonFace(c, index, 1, 44, Face::lit);
  buttonFace(c, index, 1, 87, Face::pressed);
  return c;
}

Canvas menuBar() {
  Canvas c(350, 55);
  Field bar = box(0, 0, 350, 55, 3.5f);
  fill(c, bar, vertical(0, 55, {{0, rgb(0x2a3160)}, {0.5f, rgb(0x161b3c)}, {1, rgb(0x0a0d22)}}));
  goldRim(c, bar, 3, 0, 55);
  // Rivets in the side panels.
  for (float x : {7.5f, 342.5f})
    for (float y : {12.0f, 43.0f}) jewel(c, x, y, 2.3f, kGold);
  jewel(c, 7.5f, 27.5f, 3.2f, kRuby);
  jewel(c, 342.5f, 27.5f, 3.2f, kRuby);
  for (int i = 0; i < kMenuButtons; ++i) {
    float left = 15 + i * 40.0f;
    sunkenPanel(c, box(left, 6, left + 40, 49, 5), 6, 49, rgb(0x05081a), rgb(0x141a3a));
    buttonFace(c, i, left + 1, 8, Face::normal);
  }
  return c;
}

}  // namespace gen
