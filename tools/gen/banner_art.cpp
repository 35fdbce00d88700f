// The tool's own pictures: the title banner of its window and its icon.
#include <cmath>

#include "art.h"
#include "art_style.h"

namespace gen {

using namespace style;

namespace {

// The tool's crest: an eight-pointed gold star around a sapphire.
void crest(Canvas& c, float cx, float cy, float r) {
  std::vector<Point> star;
  for (int k = 0; k < 16; ++k) {
    float a = k * 3.14159265f / 8 - 3.14159265f / 2, len = k % 2 ? r * 0.66f : r;
    star.push_back({cx + std::cos(a) * len, cy + std::sin(a) * len});
  }
  Field shape = polygon(star);
  stroke(c, shape, 1.2f, solid(kBrownInk));
  fill(c, shape, vertical(cy - r, cy + r, goldStops()));
  bevel(c, shape, r * 0.18f, 0.7f);
  Field well = disc(cx, cy, r * 0.5f);
  fill(c, well, solid(kBrownInk));
  Field gem = disc(cx, cy, r * 0.42f);
  fill(c, gem,
       radial({cx - r * 0.15f, cy - r * 0.18f}, r * 0.6f,
              {{0, rgb(0xbfe4ff)}, {0.35f, kSapphire}, {1, rgb(0x0a1c5a)}}));
  // Facets of the cut stone.
  fill(c,
       intersect(gem, polygon({{cx, cy - r * 0.42f},
                               {cx + r * 0.2f, cy},
                               {cx, cy + r * 0.1f},
                               {cx - r * 0.2f, cy}})),
       solid(Color{1, 1, 1, 0.35f}));
  fill(c, disc(cx - r * 0.14f, cy - r * 0.16f, std::max(r * 0.09f, 0.9f)),
       solid(Color{1, 1, 1, 0.9f}));
}

}  // namespace

Canvas banner() {
  Canvas c(563, 135, rgb(0));
  duskScene(c, 104, 77, false);
  // Darken behind the lettering so it reads on the sky.
  fill(c, box(-1, -1, 564, 136),
       radial({282, 64}, 300, {{0, Color{0.02f, 0.02f, 0.1f, 0.55f}}, {1, Color{0, 0, 0, 0}}}));
  for (float y : {0.0f, 130.0f}) {
    Field band = box(-4, y, 567, y + 5);
    fill(c, band, vertical(y, y + 5, goldStops()));
    bevel(c, band, 1.5f, 0.6f);
  }
  glow(c, disc(60, 66, 34), 16, Color{1, 0.8f, 0.4f, 0.35f});
  crest(c, 60, 66, 38);
  TextStyle title = goldTitle(42);
  title.tracking = 1;
  drawTextCentred(c, font(), "Orvanta皮肤修改器", 300, 74, title);
  // A rule with a jewel under the title, then the three modes.
  fill(c, box(150, 88, 450, 89.5f),
       linear({150, 0}, {450, 0},
              {{0, withAlpha(kGold, 0)}, {0.5f, kGold}, {1, withAlpha(kGold, 0)}}));
  jewel(c, 300, 88.7f, 3.5f, kRuby);
  drawTextCentred(c, font(), "登陆皮肤  ·  游戏界面  ·  列表乱码", 300, 114, creamLabel(15));
  return c;
}

Canvas emblemIcon() {
  Canvas c(32, 32);
  crest(c, 16, 16, 15.5f);
  return c;
}

}  // namespace gen
