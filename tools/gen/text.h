// Text for the pictures, rendered with FreeType from the system's CJK font
// into coverage masks that are then painted, outlined or blurred.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "raster.h"

namespace gen {

// Coverage of rendered text; `originX`/`baseline` locate the pen start.
struct Mask {
  int width = 0, height = 0;
  int originX = 0, baseline = 0;
  std::vector<float> alpha;
  float at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return alpha[static_cast<std::size_t>(y) * width + x];
  }
};

class Font {
 public:
  Font();  // the build's CJK font
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  // `utf8` at `pixelSize` (em height); `tracking` adds space between glyphs.
  Mask render(const std::string& utf8, int pixelSize, float tracking = 0) const;
  int advance(const std::string& utf8, int pixelSize, float tracking = 0) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A mask grown by `radius` pixels (for outlines) or softened over it (for shadows).
Mask dilate(const Mask& m, int radius);
Mask blur(const Mask& m, int radius);

// Paints the mask with its pen start at (x, baseline).
void paint(Canvas& c, const Mask& m, float x, float baseline, const Shader& shader);

// The look used for titles and labels everywhere: a soft shadow, a dark
// outline and a vertical fill.
struct TextStyle {
  int size = 16;
  std::vector<Stop> fill;  // top to bottom of the em box
  Color outline{0, 0, 0, 0};
  int outlineWidth = 0;
  Color shadow{0, 0, 0, 0};
  int shadowBlur = 0;
  float shadowOffset = 1;
  float tracking = 0;
};
void drawText(Canvas& c, const Font& font, const std::string& utf8, float x, float baseline,
              const TextStyle& style);
// Draws centred on `centreX`.
void drawTextCentred(Canvas& c, const Font& font, const std::string& utf8, float centreX,
                     float baseline, const TextStyle& style);

}  // namespace gen
