// The login screen: its background, its button strip and the game's logo.
#include <cmath>

#include "art.h"
#include "art_style.h"

namespace gen {

using namespace style;

namespace {

// An empty entry field with its label, as the login form shows them.
void loginField(Canvas& c, float x, float y, const char* label) {
  drawText(c, font(), label, x, y + 15, creamLabel(14));
  sunkenPanel(c, box(x + 42, y, x + 220, y + 22, 4), y, y + 22, rgb(0x0c1230), rgb(0x1e2a56));
  stroke(c, box(x + 42, y, x + 220, y + 22, 4), 1, solid(withAlpha(kGold, 0.7f)));
}

// The plate of one login button, its label centred.
void buttonPlate(Canvas& c, float x, const char* label, bool lit) {
  const float y0 = 6, y1 = 49;
  Field plate = box(x + 4, y0, x + 116, y1, 12);
  Rect clip{static_cast<int>(x), 0, static_cast<int>(x) + 120, 55};
  goldRim(c, plate, 4, y0, y1, clip);
  Field face = grow(plate, -4);
  Color top = lit ? rgb(0x4d76d8) : rgb(0x2b3f86), bottom = lit ? rgb(0x16307a) : rgb(0x0c1640);
  fill(c, face, vertical(y0 + 4, y1 - 4, {{0, top}, {0.5f, mix(top, bottom, 0.6f)}, {1, bottom}}),
       clip);
  // A glossy upper half and, when lit, an inner glow.
  fill(c, intersect(face, box(x, y0, x + 120, (y0 + y1) / 2)),
       solid(Color{1, 1, 1, lit ? 0.16f : 0.09f}), clip);
  if (lit)
    fill(c, face,
         radial({x + 60, (y0 + y1) / 2}, 56,
                {{0, Color{0.7f, 0.9f, 1, 0.4f}}, {1, Color{0.7f, 0.9f, 1, 0}}}),
         clip);
  bevel(c, face, 3, -0.4f, clip);
  jewel(c, x + 14, (y0 + y1) / 2, 3.2f, lit ? kAmber : kJade);
  jewel(c, x + 106, (y0 + y1) / 2, 3.2f, lit ? kAmber : kJade);
  TextStyle text = creamLabel(18);
  if (lit) {
    // Lit: white-hot lettering with a brown outline that reads on the lighter face.
    text.fill = {{0, rgb(0xffffff)}, {1, rgb(0xffe49a)}};
    text.outline = kBrownInk;
    text.outlineWidth = 2;
  }
  drawTextCentred(c, font(), label, x + 60, 34.5f, text);
}

}  // namespace

Canvas loginBackground() {
  Canvas c(640, 480, rgb(0));
  duskScene(c, 318, 2024, true);
  // The login form in a translucent panel.
  Field panel = box(186, 316, 454, 446, 14);
  fill(c, panel,
       vertical(316, 446,
                {{0, Color{0.03f, 0.05f, 0.16f, 0.78f}}, {1, Color{0.02f, 0.02f, 0.08f, 0.86f}}}));
  goldRim(c, panel, 4, 316, 446);
  drawTextCentred(c, font(), "用户登录", 320, 345, goldTitle(18));
  fill(c, box(216, 353, 424, 354.4f), solid(withAlpha(kGold, 0.6f)));
  loginField(c, 206, 366, "账号");
  loginField(c, 206, 400, "密码");
  jewel(c, 320, 316, 6, kRuby);
  // A thin gold frame around the picture with jewels at its corners.
  Field frame = subtract(box(4, 4, 636, 476, 10), box(8, 8, 632, 472, 7));
  fill(c, frame, vertical(0, 480, goldStops()));
  bevel(c, frame, 2, 0.6f);
  for (float cx : {10.0f, 630.0f})
    for (float cy : {10.0f, 470.0f}) jewel(c, cx, cy, 6.5f, kSapphire);
  drawTextCentred(c, font(), "Orvanta Online  ·  v1.0", 320, 466, creamLabel(11));
  return c;
}

Canvas loginButtons() {
  Canvas c(960, 55);
  const char* labels[] = {"登录游戏", "注册账号", "游戏设置", "退出游戏"};
  for (int i = 0; i < 8; ++i) buttonPlate(c, i * 120.0f, labels[i % 4], i >= 4);
  return c;
}

Canvas loginLogo() {
  Canvas c(160, 76);
  // Wings of light behind the name, a jewel above it, and a soft halo over
  // the whole logo that fades out to full transparency.
  glow(c, ellipse(80, 44, 62, 16), 14, Color{1, 0.7f, 0.28f, 0.6f});
  const float angles[] = {38, 24, 11, -2, -15}, lengths[] = {34, 46, 56, 52, 40};
  for (int side : {-1, 1})
    for (int k = 0; k < 5; ++k) {
      // A pointed feather from the crest outwards, fanned upwards.
      float a = angles[k] * 3.14159f / 180, len = lengths[k], w = 4.2f - k * 0.35f;
      Point root{80 + side * 10.0f, 30 + k * 2.5f};
      Point d{side * std::cos(a), -std::sin(a)}, n{-d.y, d.x};
      auto at = [&](float along, float off) {
        return Point{root.x + d.x * along + n.x * off, root.y + d.y * along + n.y * off};
      };
      Field feather = polygon(
          {at(0, w), at(len * 0.6f, w * 0.9f), at(len, 0), at(len * 0.6f, -w * 0.9f), at(0, -w)});
      stroke(c, feather, 1, solid(withAlpha(kBrownInk, 0.8f)));
      fill(c, feather,
           linear(root, at(len, 0),
                  {{0, rgb(0xfff0b8)}, {0.6f, kGold}, {1, withAlpha(kGoldDark, 0.35f)}}));
      bevel(c, feather, 1.5f, 0.5f);
    }
  glow(c, disc(80, 16, 9), 8, Color{0.5f, 0.8f, 1, 0.8f});
  jewel(c, 80, 16, 8, kSapphire);
  TextStyle title = goldTitle(34);
  title.tracking = 1;
  title.shadow = Color{0, 0, 0, 0};
  drawTextCentred(c, font(), "ORVANTA", 80, 60, title);
  drawTextCentred(c, font(), "O N L I N E", 80, 72, creamLabel(9));
  return c;
}

}  // namespace gen
