#include "theme_builder.h"

#include "raster.h"

#include <algorithm>
#include <cmath>

namespace orv::skingen {
namespace {

using skin::BitmapId;
using skin::ColorId;
using skin::MetricId;

const Rgba kWhite = rgb(0xFFFFFF);
const Rgba kBlack = rgb(0x000000);

Rgba withAlpha(Rgba c, float a) {
  c.a = a;
  return c;
}

// Stacks equally sized canvases into one multi-state bitmap.
skin::Bitmap stack(const std::vector<Canvas>& states, skin::Margins slice) {
  skin::Bitmap b;
  b.width = static_cast<uint16_t>(states.front().width());
  b.height = static_cast<uint16_t>(states.front().height());
  b.states = static_cast<uint8_t>(states.size());
  b.slice = slice;
  for (const Canvas& c : states) {
    const std::vector<uint32_t> px = c.pixels();
    b.pixels.insert(b.pixels.end(), px.begin(), px.end());
  }
  return b;
}

skin::Bitmap frameBitmap(const Palette& p) {
  const int side = std::max(p.frameWidth, p.cornerRadius) + 2;
  const int w = 2 * side + 8, h = p.captionHeight + 8 + p.frameWidth;
  const float c = static_cast<float>(p.captionHeight);
  std::vector<Canvas> states;
  for (int s = 0; s < 2; ++s) {
    const bool active = s == 0;
    const Rgba top = rgb(active ? p.captionTop : p.inactiveTop);
    const Rgba bottom = rgb(active ? p.captionBottom : p.inactiveBottom);
    Canvas cv(w, h);
    cv.fillTopRoundRect(0, 0, w, h, p.cornerRadius, solid(rgb(p.outline)));
    cv.fillTopRoundRect(1, 1, w - 1, h - 1, std::max(0, p.cornerRadius - 1),
                        [=](float, float y) { return y < c ? mix(top, bottom, y / c) : bottom; });
    // A soft highlight along the top edge and a sheen over the upper caption.
    cv.line(p.cornerRadius + 1, 1.5f, w - p.cornerRadius - 1, 1.5f, 1, withAlpha(kWhite, 0.35f));
    cv.fillRoundRect(1, 1, w - 1, c * 0.45f, 0, solid(withAlpha(kWhite, active ? 0.08f : 0.04f)));
    if (active) {
      cv.line(p.frameWidth, c - 1.5f, w - p.frameWidth, c - 1.5f, 1,
              withAlpha(rgb(p.accent), 0.9f));
    }
    cv.strokeRect(p.frameWidth - 0.5f, c - 0.5f, w - p.frameWidth + 0.5f, h - p.frameWidth + 0.5f,
                  1, withAlpha(rgb(p.outline), 0.55f));
    states.push_back(std::move(cv));
  }
  skin::Margins m{static_cast<uint8_t>(side), static_cast<uint8_t>(p.captionHeight),
                  static_cast<uint8_t>(side), static_cast<uint8_t>(p.frameWidth)};
  return stack(states, m);
}

enum class Glyph { close, maximize, restore, minimize };

void drawGlyph(Canvas& cv, Glyph g, Rgba colour) {
  const float w = cv.width(), h = cv.height();
  const float size = std::round(h * 0.40f), cx = w / 2, cy = h / 2;
  const float x0 = cx - size / 2, y0 = cy - size / 2, x1 = cx + size / 2, y1 = cy + size / 2;
  switch (g) {
    case Glyph::close:
      cv.line(x0, y0, x1, y1, 1.6f, colour);
      cv.line(x0, y1, x1, y0, 1.6f, colour);
      break;
    case Glyph::maximize:
      cv.strokeRect(x0, y0, x1, y1, 1.2f, colour);
      cv.line(x0, y0 + 0.6f, x1, y0 + 0.6f, 1.2f, colour);
      break;
    case Glyph::restore: {
      const float d = std::round(size * 0.3f);
      cv.line(x0 + d, y0, x1, y0, 1.2f, colour);
      cv.line(x1, y0, x1, y1 - d, 1.2f, colour);
      cv.strokeRect(x0, y0 + d, x1 - d, y1, 1.2f, colour);
      break;
    }
    case Glyph::minimize:
      cv.line(x0, y1 - 1, x1, y1 - 1, 1.6f, colour);
      break;
  }
}

skin::Bitmap captionButton(const Palette& p, Glyph g) {
  const int w = p.captionButtonWidth, h = p.captionButtonHeight;
  const bool close = g == Glyph::close;
  std::vector<Canvas> states;
  for (int s = 0; s < 4; ++s) {
    Canvas cv(w, h);
    Rgba glyph = rgb(p.glyph);
    if (s == 1 || s == 2) {
      Rgba fill = close ? rgb(p.closeHover) : withAlpha(kWhite, 0.24f);
      if (!close && p.glyph < 0x808080) fill = withAlpha(kBlack, 0.10f);  // light captions
      if (s == 2) fill = close ? mix(fill, kBlack, 0.22f) : withAlpha(kBlack, fill.a * 1.2f);
      cv.fillRoundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, solid(fill));
      if (close) glyph = kWhite;
    }
    if (s == 3) glyph.a = 0.5f;
    drawGlyph(cv, g, glyph);
    states.push_back(std::move(cv));
  }
  return stack(states, {});
}

skin::Bitmap pushButton(const Palette& p) {
  const int size = 24, r = p.buttonRadius;
  const Rgba top = rgb(p.buttonTop), bottom = rgb(p.buttonBottom), border = rgb(p.buttonBorder);
  const Rgba accent = rgb(p.accent), back = rgb(p.back);
  std::vector<Canvas> states;
  for (int s = 0; s < 5; ++s) {
    Rgba t = top, b = bottom, e = border;
    if (s == 1) {  // hover: lighter face, accent edge
      t = mix(top, kWhite, 0.5f);
      b = mix(bottom, accent, 0.12f);
      e = mix(border, accent, 0.7f);
    } else if (s == 2) {  // pressed: face sinks
      t = mix(bottom, kBlack, 0.10f);
      b = mix(top, kBlack, 0.02f);
      e = mix(border, kBlack, 0.25f);
    } else if (s == 4) {  // disabled: washed into the background
      t = mix(top, back, 0.6f);
      b = mix(bottom, back, 0.6f);
      e = mix(border, back, 0.55f);
    }
    Canvas cv(size, size);
    cv.fillRoundRect(0, 0, size, size, r, solid(e));
    cv.fillRoundRect(1, 1, size - 1, size - 1, std::max(0, r - 1), vertical(t, b, 1, size - 1));
    if (s != 2) cv.line(r + 1, 1.5f, size - r - 1, 1.5f, 1, withAlpha(kWhite, 0.6f));
    if (s == 3) {
      cv.strokeRect(2.5f, 2.5f, size - 2.5f, size - 2.5f, 1, withAlpha(accent, 0.85f));
    }
    states.push_back(std::move(cv));
  }
  const auto m = static_cast<uint8_t>(std::max(5, r + 3));
  return stack(states, {m, m, m, m});
}

skin::Bitmap radio(const Palette& p) {
  const int size = p.radioSize;
  const float c = size / 2.0f, radius = c - 0.5f;
  const Rgba border = rgb(p.buttonBorder), accent = rgb(p.accent), back = rgb(p.back);
  const Rgba dot = p.accent > 0xE0E0E0 ? rgb(p.captionBottom) : accent;  // a visible mark
  std::vector<Canvas> states;
  for (int checked = 0; checked < 2; ++checked) {
    for (int s = 0; s < 4; ++s) {
      Rgba e = border, t = rgb(0xFFFFFF), b = rgb(p.buttonBottom), d = dot;
      if (s == 1) e = mix(border, rgb(p.captionBottom), 0.6f);
      if (s == 2) {
        t = mix(b, kBlack, 0.08f);
        e = mix(border, kBlack, 0.25f);
      }
      if (s == 3) {
        e = mix(border, back, 0.55f);
        t = mix(t, back, 0.6f);
        b = mix(b, back, 0.6f);
        d = mix(d, back, 0.55f);
      }
      Canvas cv(size, size);
      cv.fillCircle(c, c, radius, solid(e));
      cv.fillCircle(c, c, radius - 1, vertical(t, b, 1, size - 1));
      if (checked) cv.fillCircle(c, c, size * 0.2f, solid(d));
      states.push_back(std::move(cv));
    }
  }
  return stack(states, {});
}

}  // namespace

skin::Theme buildTheme(const Palette& p) {
  skin::Theme t;
  t.name.assign(p.name);
  const Rgba back = rgb(p.back), text = rgb(p.text);
  t.color(ColorId::windowBack) = p.back;
  t.color(ColorId::windowText) = p.text;
  t.color(ColorId::captionText) = p.captionText;
  t.color(ColorId::captionTextInactive) = p.captionTextInactive;
  t.color(ColorId::buttonText) = p.buttonText;
  t.color(ColorId::buttonTextDisabled) = toRgb(mix(text, back, 0.55f));
  t.color(ColorId::editBack) = 0xFFFFFF;
  t.color(ColorId::editText) = p.text;
  t.color(ColorId::editBorder) = p.editBorder;
  t.color(ColorId::editBorderHot) = p.accent > 0xE0E0E0 ? p.captionBottom : p.accent;
  t.color(ColorId::groupFrame) = p.groupFrame;
  t.color(ColorId::groupText) = toRgb(mix(text, rgb(p.captionBottom), 0.45f));
  t.color(ColorId::shadow) = toRgb(mix(kBlack, rgb(p.outline), 0.3f));
  t.color(ColorId::focusMark) = t.color(ColorId::editBorderHot);

  t.metric(MetricId::captionHeight) = p.captionHeight;
  t.metric(MetricId::frameWidth) = p.frameWidth;
  t.metric(MetricId::cornerRadius) = p.cornerRadius;
  t.metric(MetricId::captionButtonWidth) = p.captionButtonWidth;
  t.metric(MetricId::captionButtonHeight) = p.captionButtonHeight;
  t.metric(MetricId::captionButtonGap) = 2;
  t.metric(MetricId::captionButtonTop) = (p.captionHeight - p.captionButtonHeight) / 2;
  t.metric(MetricId::iconSize) = 16;
  t.metric(MetricId::titleIndent) = p.frameWidth + 4;
  t.metric(MetricId::shadowSize) = p.shadowSize;
  t.metric(MetricId::glossAlpha) = p.glossAlpha;
  t.metric(MetricId::radioSize) = p.radioSize;
  t.metric(MetricId::groupRadius) = p.buttonRadius;

  // 微软雅黑 (Microsoft YaHei) in GBK.
  skin::Font& caption = t.font(skin::FontId::caption);
  caption.height = static_cast<int16_t>(p.fontHeight);
  caption.weight = static_cast<uint16_t>(p.fontWeight);
  caption.face.assign("\xce\xa2\xc8\xed\xd1\xc5\xba\xda");

  t.bitmap(BitmapId::frame) = frameBitmap(p);
  t.bitmap(BitmapId::closeButton) = captionButton(p, Glyph::close);
  t.bitmap(BitmapId::maximizeButton) = captionButton(p, Glyph::maximize);
  t.bitmap(BitmapId::restoreButton) = captionButton(p, Glyph::restore);
  t.bitmap(BitmapId::minimizeButton) = captionButton(p, Glyph::minimize);
  t.bitmap(BitmapId::pushButton) = pushButton(p);
  t.bitmap(BitmapId::radio) = radio(p);
  return t;
}

}  // namespace orv::skingen
