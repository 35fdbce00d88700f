// The drawing kit shared by every picture generator: a float canvas, shapes
// given as signed distance fields, shaders, bevels, glows and compositing.
// Distances are in pixels and negative inside a shape, so edges come out
// anti-aliased without any per-shape code.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace gen {

struct Color {
  float r = 0, g = 0, b = 0, a = 1;  // straight (not premultiplied), 0..1
};

struct Point {
  float x = 0, y = 0;
};

struct Stop {
  float at;
  Color color;
};

Color rgb(std::uint32_t hex, float alpha = 1);
Color mix(Color a, Color b, float t);
Color withAlpha(Color c, float alpha);
Color scaled(Color c, float factor);  // brighter above 1, darker below
float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);
float luminance(Color c);

// A picture in progress: premultiplied RGBA, origin top-left, pixel centres
// at half-integer coordinates. Starts transparent unless given a colour.
class Canvas {
 public:
  Canvas(int width, int height, Color fill = Color{0, 0, 0, 0});
  int width() const { return width_; }
  int height() const { return height_; }
  Color get(int x, int y) const;  // straight colour
  void set(int x, int y, Color c);
  void blend(int x, int y, Color c, float coverage);  // source over
  Color sample(float x, float y) const;               // bilinear, straight colour

 private:
  int width_, height_;
  std::vector<float> px_;  // r g b a, premultiplied
};

using Field = std::function<float(float x, float y)>;
using Shader = std::function<Color(float x, float y)>;

// Shapes.
Field box(float x0, float y0, float x1, float y1, float radius = 0);
Field disc(float cx, float cy, float radius);
Field ellipse(float cx, float cy, float rx, float ry);  // near-distance, fine for soft edges
Field ring(float cx, float cy, float inner, float outer);
// An annulus piece from `startDeg`, sweeping counter-clockwise (y up) by `sweepDeg`.
Field arcBand(float cx, float cy, float inner, float outer, float startDeg, float sweepDeg);
Field polygon(std::vector<Point> corners);
Field segment(Point a, Point b, float halfWidth);
Field unite(Field a, Field b);
Field subtract(Field a, Field b);
Field intersect(Field a, Field b);
Field grow(Field f, float by);  // negative shrinks
Field shift(Field f, float dx, float dy);

// Shaders.
Shader solid(Color c);
Shader linear(Point from, Point to, std::vector<Stop> stops);
Shader vertical(float y0, float y1, std::vector<Stop> stops);
Shader radial(Point centre, float radius, std::vector<Stop> stops);
Color gradientAt(const std::vector<Stop>& stops, float t);

// Painting. Work is limited to the canvas, or to `clip` when it is not empty.
struct Rect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool empty() const { return x1 <= x0 || y1 <= y0; }
};
void fill(Canvas& c, const Field& shape, const Shader& paint, Rect clip = {});
// Lights the inner rim of a shape from the top left: raised when strength > 0.
void bevel(Canvas& c, const Field& shape, float width, float strength, Rect clip = {});
// A soft halo outside the shape that fades out over `radius` pixels.
void glow(Canvas& c, const Field& shape, float radius, Color color, Rect clip = {});
void stroke(Canvas& c, const Field& shape, float width, const Shader& paint, Rect clip = {});

// Compositing whole canvases.
void draw(Canvas& dst, const Canvas& src, int x, int y);
void drawScaled(Canvas& dst, const Canvas& src, float x, float y, float w, float h);
// Keeps only pixels not pure green: how the game shows its colour-keyed pictures.
void drawKeyed(Canvas& dst, const Canvas& src, int x, int y);

// Colour-keyed pictures: every pixel that is less than half covered becomes
// pure green, every other one opaque, so no green fringe blends into the art.
Canvas keyedOnGreen(const Canvas& art);
bool isPureGreen(Color c);
extern const Color kPureGreen;

// Smooth, repeatable value noise in 0..1 for textures and ridge lines.
float noise(float x, float y, std::uint32_t seed);
float fractalNoise(float x, float y, int octaves, std::uint32_t seed);
float hash01(std::uint32_t a, std::uint32_t b);

}  // namespace gen
