// The two preview screenshots: a play screen wearing the new interface,
// built from the interface pictures themselves, and the server selection
// with the carried server list's names.
#include <cmath>
#include <string>

#include "art.h"
#include "art_style.h"
#include "server_list.h"

namespace gen {

using namespace style;

namespace {

void grassland(Canvas& c) {
  const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  fill(c, box(-1, -1, w + 1, h + 1), [](float x, float y) {
    float n = fractalNoise(x / 60, y / 60, 4, 91), fine = noise(x / 3, y / 3, 92);
    return mix(mix(rgb(0x2f6a2c), rgb(0x6aa444), n), rgb(0x4a8a3a), 0.25f * fine);
  });
  auto path = [](float x) { return 330 + 55 * std::sin(x / 120) + 20 * std::sin(x / 47); };
  Field road = [path](float x, float y) { return std::fabs(y - path(x)) - 26; };
  fill(c, grow(road, 3), solid(Color{0.2f, 0.3f, 0.12f, 0.5f}));
  fill(c, road, [](float x, float y) {
    return mix(rgb(0xa8895a), rgb(0xcdb07a), fractalNoise(x / 20, y / 20, 3, 93));
  });
  // A pond with its shore.
  fill(c, ellipse(610, 190, 92, 52), solid(rgb(0xc2ad78)));
  fill(c, ellipse(610, 192, 84, 45),
       radial({590, 178}, 95, {{0, rgb(0x5ab8d8)}, {0.7f, rgb(0x2a7aa8)}, {1, rgb(0x1a4a78)}}));
  for (int k = 0; k < 4; ++k)
    stroke(c, ellipse(585 + k * 18, 180 + k * 7, 14, 3), 1, solid(Color{1, 1, 1, 0.35f}));
}

void tree(Canvas& c, float x, float y, float r) {
  fill(c, ellipse(x + r * 0.5f, y + r * 0.9f, r * 1.1f, r * 0.45f),
       solid(Color{0, 0.05f, 0, 0.35f}));
  fill(c, box(x - r * 0.12f, y, x + r * 0.12f, y + r * 0.9f, 2), solid(rgb(0x5a3a1c)));
  for (int k = 0; k < 4; ++k) {
    float ox = (k % 2 ? 0.35f : -0.35f) * r, oy = (k < 2 ? -0.2f : -0.65f) * r;
    fill(c, disc(x + ox, y + oy, r * 0.62f),
         radial({x + ox - r * 0.25f, y + oy - r * 0.3f}, r * 0.9f,
                {{0, rgb(0x5ab048)}, {0.6f, rgb(0x2f7a2a)}, {1, rgb(0x17441a)}}));
  }
}

void cottage(Canvas& c, float x, float y) {
  fill(c, box(x + 6, y + 6, x + 96, y + 74), solid(Color{0, 0.05f, 0, 0.3f}));
  fill(c, box(x, y + 24, x + 90, y + 70),
       vertical(y + 24, y + 70, {{0, rgb(0xe8d8b0)}, {1, rgb(0xb8a078)}}));
  fill(c, polygon({{x - 8, y + 28}, {x + 45, y - 8}, {x + 98, y + 28}}),
       vertical(y - 8, y + 28, {{0, rgb(0xc0503a)}, {1, rgb(0x7a2a1c)}}));
  fill(c, box(x + 38, y + 44, x + 54, y + 70, 2), solid(rgb(0x5a3418)));
  for (float wx : {x + 12, x + 64}) {
    fill(c, box(wx, y + 36, wx + 14, y + 50, 1), solid(rgb(0xffd880)));
    stroke(c, box(wx, y + 36, wx + 14, y + 50, 1), 1.2f, solid(rgb(0x5a3418)));
  }
}

void nameTag(Canvas& c, float cx, float baseline, const std::string& name, Color colour) {
  TextStyle t = creamLabel(13);
  t.fill = {{0, colour}, {1, colour}};
  drawTextCentred(c, font(), name, cx, baseline, t);
}

void hero(Canvas& c, float x, float y) {
  fill(c, ellipse(x + 4, y + 34, 20, 7), solid(Color{0, 0, 0, 0.35f}));
  fill(c, polygon({{x - 10, y - 6}, {x + 10, y - 6}, {x + 17, y + 30}, {x - 17, y + 30}}),
       vertical(y - 6, y + 30, {{0, rgb(0xc02838)}, {1, rgb(0x6a0a18)}}));
  fill(c, box(x - 9, y - 8, x + 9, y + 20, 5),
       vertical(y - 8, y + 20, {{0, rgb(0xc8d0e0)}, {1, rgb(0x6a7490)}}));
  fill(c, box(x - 9, y + 6, x + 9, y + 10), solid(kGold));
  fill(c, disc(x, y - 16, 8), solid(rgb(0xf0c8a0)));
  fill(c, intersect(disc(x, y - 18, 9), box(x - 10, y - 28, x + 10, y - 17)), solid(rgb(0x3a2414)));
  Field blade = segment({x + 16, y + 18}, {x + 30, y - 26}, 2);
  fill(c, blade, linear({x + 16, 0}, {x + 30, 0}, {{0, rgb(0xe8f0ff)}, {1, rgb(0x8090b0)}}));
  fill(c, segment({x + 10, y + 14}, {x + 22, y + 20}, 2), solid(kGold));
  glow(c, blade, 5, Color{0.6f, 0.8f, 1, 0.4f});
}

void slime(Canvas& c, float x, float y, Color body) {
  fill(c, ellipse(x, y + 12, 18, 5), solid(Color{0, 0, 0, 0.3f}));
  Field jelly = intersect(ellipse(x, y + 4, 18, 17), box(x - 20, y - 14, x + 20, y + 12));
  fill(c, jelly,
       radial({x - 6, y - 6}, 26,
              {{0, scaled(body, 1.6f)}, {0.5f, body}, {1, scaled(body, 0.45f)}}));
  fill(c, disc(x - 6, y - 2, 2.5f), solid(rgb(0x101010)));
  fill(c, disc(x + 6, y - 2, 2.5f), solid(rgb(0x101010)));
  fill(c, ellipse(x - 7, y - 9, 4, 2.5f), solid(Color{1, 1, 1, 0.6f}));
}

// A bar picture shown filled to `part`, as the game crops it.
void drawBarPart(Canvas& dst, const Canvas& bar, int x, int y, float part) {
  Canvas cut(static_cast<int>(bar.width() * part), bar.height());
  for (int yy = 0; yy < cut.height(); ++yy)
    for (int xx = 0; xx < cut.width(); ++xx) cut.set(xx, yy, bar.get(xx, yy));
  draw(dst, cut, x, y);
}

void portrait(Canvas& c, float cx, float cy) {
  fill(c, disc(cx, cy, 41), radial({cx, cy - 10}, 50, {{0, rgb(0x4a6ab0)}, {1, rgb(0x141a40)}}));
  fill(c, intersect(disc(cx, cy, 41), ellipse(cx, cy + 38, 30, 22)), solid(rgb(0xa02030)));
  fill(c, disc(cx, cy - 2, 15), solid(rgb(0xf0c8a0)));
  fill(c, intersect(disc(cx, cy - 6, 17), box(cx - 18, cy - 24, cx + 18, cy - 6)),
       solid(rgb(0x3a2414)));
  fill(c, disc(cx - 5, cy, 1.8f), solid(rgb(0x202020)));
  fill(c, disc(cx + 5, cy, 1.8f), solid(rgb(0x202020)));
}

void chatBox(Canvas& c, float x, float y) {
  Field panel = box(x, y, x + 420, y + 112, 6);
  fill(c, panel, solid(Color{0.02f, 0.03f, 0.1f, 0.62f}));
  stroke(c, panel, 1.2f, solid(withAlpha(kGold, 0.7f)));
  const std::pair<const char*, Color> lines[] = {
      {"[系统] 欢迎来到Orvanta的世界!", rgb(0xffe070)},
      {"[世界] 寒冰峡3 有人组队去冰封神殿吗?", rgb(0xf0f0f0)},
      {"[队伍] 在翠风平原的小屋旁集合", rgb(0x80d8ff)},
      {"[系统] 你获得了 120 点经验值", rgb(0xffe070)},
      {"[公会] 今晚八点公会战, 准时上线", rgb(0x90f090)},
  };
  for (int i = 0; i < 5; ++i) {
    TextStyle t = creamLabel(13);
    t.fill = {{0, lines[i].second}, {1, lines[i].second}};
    drawText(c, font(), lines[i].first, x + 10, y + 21 + i * 20.0f, t);
  }
}

void miniMap(Canvas& c, float cx, float cy) {
  Field face = disc(cx, cy, 48);
  fill(c, face, radial({cx - 10, cy - 10}, 60, {{0, rgb(0x6aa450)}, {1, rgb(0x2a5a2a)}}));
  fill(c,
       intersect(face,
                 [cx, cy](float x, float y) {
                   return std::fabs(y - (cy + 8 + 10 * std::sin((x - cx) / 14))) - 4;
                 }),
       solid(rgb(0xc8b080)));
  fill(c, intersect(face, ellipse(cx + 22, cy - 18, 14, 9)), solid(rgb(0x3a8ac0)));
  fill(c, disc(cx, cy + 6, 3), solid(rgb(0xffffff)));
  for (Point p : {Point{cx + 14, cy + 20}, Point{cx - 22, cy + 14}})
    fill(c, disc(p.x, p.y, 2.2f), solid(kRuby));
  goldRim(c, grow(face, 5), 6, cy - 53, cy + 53);
  nameTag(c, cx, cy + 70, "翠风平原 (212, 87)", kCream);
}

}  // namespace

Canvas previewInterface() {
  Canvas c(802, 606, rgb(0));
  grassland(c);
  cottage(c, 150, 150);
  const Point trees[] = {{70, 120},  {110, 470}, {300, 110}, {470, 90}, {690, 420},
                         {520, 500}, {60, 280},  {420, 470}, {740, 300}};
  for (Point t : trees) tree(c, t.x, t.y, 26);
  slime(c, 540, 360, rgb(0x40b8e0));
  nameTag(c, 540, 336, "冰晶史莱姆", rgb(0xff7060));
  slime(c, 300, 420, rgb(0x70d040));
  nameTag(c, 300, 396, "翠影史莱姆", rgb(0xff7060));
  hero(c, 400, 300);
  nameTag(c, 400, 262, "星辰骑士", rgb(0x90e8ff));

  // The interface, from its own pictures.
  portrait(c, 6 + 53.5f, 6 + 53.5f);
  drawKeyed(c, keyedOnGreen(statusFrame()), 6, 6);
  drawBarPart(c, bar(BarKind::health), 6 + 129, 6 + 35 - 3, 0.86f);
  drawBarPart(c, bar(BarKind::spirit), 6 + 129, 6 + 55 - 3, 0.64f);
  drawBarPart(c, bar(BarKind::experience), 6 + 129, 6 + 75 - 3, 0.42f);
  drawKeyed(c, keyedOnGreen(gauge(GaugeColouring::energy)), 222, 14);
  miniMap(c, 738, 62);
  drawKeyed(c, keyedOnGreen(hotKeyBar()), 749, 150);
  drawKeyed(c, keyedOnGreen(menuBar()), 446, 545);
  chatBox(c, 6, 488);
  stroke(c, box(0, 0, 802, 606), 2, solid(rgb(0x05060c)));
  return c;
}

Canvas previewServerList() {
  Canvas c(804, 627, rgb(0x101830));
  // The game's window: frame, caption and buttons.
  fill(c, box(0, 0, 804, 27), vertical(0, 27, {{0, rgb(0x3a5ab0)}, {1, rgb(0x1a2e70)}}));
  drawText(c, font(), "Orvanta Online", 10, 19, creamLabel(13));
  for (int k = 0; k < 3; ++k) {
    float x = 736 + k * 22.0f;
    Field b = box(x, 5, x + 18, 22, 3);
    fill(c, b, vertical(5, 22, {{0, rgb(0x6a8ad8)}, {1, rgb(0x2a3e90)}}));
    stroke(c, b, 1, solid(rgb(0xc0d0ff)));
  }
  fill(c, segment({782, 9}, {792, 18}, 1), solid(kCream));
  fill(c, segment({792, 9}, {782, 18}, 1), solid(kCream));
  stroke(c, box(762, 9, 770, 17), 1, solid(kCream));
  fill(c, box(739, 15, 751, 17), solid(kCream));

  // The client area: the login scenery, dimmed, under the server panel.
  Canvas scene(800, 600, rgb(0));
  duskScene(scene, 400, 2024, true);
  draw(c, scene, 2, 27);
  fill(c, box(2, 27, 802, 627), solid(Color{0, 0, 0.05f, 0.3f}));
  Canvas logo = loginLogo();
  drawScaled(c, logo, 300, 42, 200, 95);

  Field panel = box(140, 150, 664, 552, 14);
  fill(c, panel,
       vertical(150, 552,
                {{0, Color{0.05f, 0.07f, 0.2f, 0.92f}}, {1, Color{0.02f, 0.03f, 0.1f, 0.95f}}}));
  goldRim(c, panel, 4, 150, 552);
  drawTextCentred(c, font(), "选择服务器", 402, 188, goldTitle(24));
  fill(c, box(180, 200, 624, 201.5f),
       linear({180, 0}, {624, 0},
              {{0, withAlpha(kGold, 0)}, {0.5f, kGold}, {1, withAlpha(kGold, 0)}}));

  const auto& groups = serverGroups();
  const std::size_t chosen = 3;  // the list opens on one group
  for (std::size_t i = 0; i < groups.size(); ++i) {
    float top = 216 + i * 44.0f;
    Field row = box(166, top, 356, top + 38, 6);
    bool on = i == chosen;
    sunkenPanel(c, row, top, top + 38, on ? rgb(0x6a4a10) : rgb(0x142058),
                on ? rgb(0x3a2404) : rgb(0x0a1030));
    stroke(c, row, 1.2f, solid(withAlpha(on ? kGoldLight : kGold, on ? 1 : 0.6f)));
    TextStyle t = on ? goldTitle(17) : creamLabel(17);
    drawText(c, font(), groups[i].number + "  " + groups[i].name + groups[i].suffix, 182, top + 26,
             t);
  }
  const ServerGroup& g = groups[chosen];
  const char* states[] = {"流畅", "繁忙", "流畅", "爆满"};
  const Color stateColours[] = {rgb(0x50e060), rgb(0xffb030), rgb(0x50e060), rgb(0xff5050)};
  drawText(c, font(), "服务器", 392, 232, creamLabel(14));
  drawText(c, font(), "状态", 560, 232, creamLabel(14));
  for (int i = 0; i < g.servers; ++i) {
    float top = 246 + i * 50.0f;
    Field row = box(380, top, 636, top + 42, 6);
    bool on = i == 0;
    sunkenPanel(c, row, top, top + 42, on ? rgb(0x2a4a9a) : rgb(0x142058), rgb(0x0a1030));
    stroke(c, row, 1.2f, solid(withAlpha(kGold, on ? 1 : 0.5f)));
    drawText(c, font(), serverName(g, i + 1), 396, top + 28, on ? goldTitle(18) : creamLabel(18));
    jewel(c, 562, top + 21, 5, stateColours[i % 4]);
    drawText(c, font(), states[i % 4], 574, top + 27, creamLabel(15));
  }
  drawText(c, font(), "提示: 双击服务器进入游戏", 392, 462, creamLabel(13));

  // The login buttons of the screen, from their own picture.
  Canvas buttons = keyedOnGreen(loginButtons());
  auto band = [&](int index, int x, int y) {
    Canvas one(120, 55);
    for (int yy = 0; yy < 55; ++yy)
      for (int xx = 0; xx < 120; ++xx) one.set(xx, yy, buttons.get(index * 120 + xx, yy));
    drawKeyed(c, one, x, y);
  };
  band(4, 282, 484);  // "登录游戏", lit under the pointer
  band(3, 402, 484);  // "退出游戏"
  stroke(c, box(0, 0, 804, 627), 2, solid(rgb(0x0a1430)));
  return c;
}

}  // namespace gen
