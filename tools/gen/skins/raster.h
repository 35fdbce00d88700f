// A small anti-aliased rasteriser for the skin bitmaps: shapes are filled by
// coverage of their signed distance, colours are composited "over".
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace orv::skingen {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;  // straight colour, 0..1
};

Rgba rgb(uint32_t rrggbb, float alpha = 1.0f);
Rgba mix(Rgba a, Rgba b, float t);
uint32_t toRgb(Rgba c);  // drops alpha

// Colour of a shape at pixel centre (x, y), e.g. a vertical gradient.
using Paint = std::function<Rgba(float x, float y)>;
Paint solid(Rgba c);
Paint vertical(Rgba top, Rgba bottom, float y0, float y1);

class Canvas {
 public:
  Canvas(int width, int height);
  int width() const { return w_; }
  int height() const { return h_; }

  void fillRoundRect(float x0, float y0, float x1, float y1, float radius, const Paint& paint);
  // Rounded only at the top; the bottom corners stay square.
  void fillTopRoundRect(float x0, float y0, float x1, float y1, float radius, const Paint& paint);
  void fillCircle(float cx, float cy, float radius, const Paint& paint);
  void line(float x0, float y0, float x1, float y1, float thickness, Rgba c);
  void strokeRect(float x0, float y0, float x1, float y1, float thickness, Rgba c);

  // Premultiplied 0xAARRGGBB pixels, rows top-down.
  std::vector<uint32_t> pixels() const;

 private:
  void cover(const std::function<float(float, float)>& distance, const Paint& paint);
  int w_, h_;
  std::vector<Rgba> px_;
};

}  // namespace orv::skingen
