#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace gen {

namespace {

std::vector<char32_t> decodeUtf8(const std::string& s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < s.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

}  // namespace

struct Font::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Impl() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
  FT_GlyphSlot load(char32_t cp, int size) const {
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
    if (FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT))
      throw std::runtime_error("font: no glyph for a character");
    return face->glyph;
  }
};

Font::Font() : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library) ||
      FT_New_Face(impl_->library, ORV_CJK_FONT, 0, &impl_->face))
    throw std::runtime_error(std::string("font: cannot open ") + ORV_CJK_FONT);
}

Font::~Font() = default;

int Font::advance(const std::string& utf8, int pixelSize, float tracking) const {
  float pen = 0;
  auto cps = decodeUtf8(utf8);
  for (std::size_t i = 0; i < cps.size(); ++i) {
    pen += impl_->load(cps[i], pixelSize)->advance.x / 64.0f;
    if (i + 1 < cps.size()) pen += tracking;
  }
  return static_cast<int>(std::lround(pen));
}

Mask Font::render(const std::string& utf8, int pixelSize, float tracking) const {
  FT_Set_Pixel_Sizes(impl_->face, 0, static_cast<FT_UInt>(pixelSize));
  const int ascender = static_cast<int>(impl_->face->size->metrics.ascender >> 6);
  const int descender = static_cast<int>(-(impl_->face->size->metrics.descender >> 6));
  const int pad = 2;
  Mask m;
  m.originX = pad;
  m.baseline = pad + ascender;
  m.width = advance(utf8, pixelSize, tracking) + 2 * pad + pixelSize / 4;
  m.height = ascender + descender + 2 * pad;
  m.alpha.assign(static_cast<std::size_t>(m.width) * m.height, 0);
  float pen = static_cast<float>(pad);
  for (char32_t cp : decodeUtf8(utf8)) {
    FT_GlyphSlot g = impl_->load(cp, pixelSize);
    const FT_Bitmap& bm = g->bitmap;
    int left = static_cast<int>(std::lround(pen)) + g->bitmap_left;
    int top = m.baseline - g->bitmap_top;
    for (unsigned row = 0; row < bm.rows; ++row)
      for (unsigned col = 0; col < bm.width; ++col) {
        int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
        if (x < 0 || y < 0 || x >= m.width || y >= m.height) continue;
        float v = bm.buffer[row * bm.pitch + col] / 255.0f;
        float& dst = m.alpha[static_cast<std::size_t>(y) * m.width + x];
        dst = std::max(dst, v);
      }
    pen += g->advance.x / 64.0f + tracking;
  }
  return m;
}

namespace {

Mask grown(const Mask& m, int by) {
  Mask out;
  out.width = m.width + 2 * by;
  out.height = m.height + 2 * by;
  out.originX = m.originX + by;
  out.baseline = m.baseline + by;
  out.alpha.assign(static_cast<std::size_t>(out.width) * out.height, 0);
  return out;
}

}  // namespace

Mask dilate(const Mask& m, int radius) {
  Mask out = grown(m, radius);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          float reach = radius + 0.5f - std::sqrt(static_cast<float>(dx * dx + dy * dy));
          if (reach <= 0) continue;
          best = std::max(best, m.at(x - radius + dx, y - radius + dy) * clamp01(reach));
        }
      out.alpha[static_cast<std::size_t>(y) * out.width + x] = best;
    }
  return out;
}

Mask blur(const Mask& m, int radius) {
  Mask out = grown(m, radius);
  Mask tmp = out;
  const float n = 2.0f * radius + 1;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += m.at(x - radius + k, y - radius);
      tmp.alpha[static_cast<std::size_t>(y) * out.width + x] = sum / n;
    }
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += tmp.at(x, y + k);
      out.alpha[static_cast<std::size_t>(y) * out.width + x] = sum / n;
    }
  return out;
}

void paint(Canvas& c, const Mask& m, float x, float baseline, const Shader& shader) {
  int left = static_cast<int>(std::lround(x)) - m.originX;
  int top = static_cast<int>(std::lround(baseline)) - m.baseline;
  for (int y = 0; y < m.height; ++y)
    for (int xx = 0; xx < m.width; ++xx) {
      float a = m.at(xx, y);
      int cx = left + xx, cy = top + y;
      if (a <= 0 || cx < 0 || cy < 0 || cx >= c.width() || cy >= c.height()) continue;
      c.blend(cx, cy, shader(cx + 0.5f, cy + 0.5f), a);
    }
}

void drawText(Canvas& c, const Font& font, const std::string& utf8, float x, float baseline,
              const TextStyle& style) {
  Mask glyphs = font.render(utf8, style.size, style.tracking);
  if (style.shadow.a > 0) {
    Mask soft =
        blur(dilate(glyphs, std::max(style.outlineWidth, 1)), std::max(style.shadowBlur, 1));
    paint(c, soft, x + style.shadowOffset, baseline + style.shadowOffset, solid(style.shadow));
  }
  if (style.outlineWidth > 0)
    paint(c, dilate(glyphs, style.outlineWidth), x, baseline, solid(style.outline));
  float top = baseline - style.size * 0.86f;
  paint(c, glyphs, x, baseline, vertical(top, top + style.size, style.fill));
}

void drawTextCentred(Canvas& c, const Font& font, const std::string& utf8, float centreX,
                     float baseline, const TextStyle& style) {
  float w = static_cast<float>(font.advance(utf8, style.size, style.tracking));
  drawText(c, font, utf8, centreX - w / 2, baseline, style);
}

}  // namespace gen
