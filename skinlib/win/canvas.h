// An off-screen 32-bit picture that parts are composed in before one blit to
// the screen: skin bitmaps are blended in software, text is drawn with GDI.
#pragma once

#include "gdi.h"
#include "skinlib/skin_theme.h"

#include <cstdint>

namespace orv::skin {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  bool ok() const { return bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  int width() const { return w_; }
  int height() const { return h_; }

  void fill(const RECT& r, uint32_t rgb);
  // Draws one state of a bitmap into `dest`: nine-slice scaled when the
  // bitmap has slice borders, else at its own size centred in `dest`.
  void draw(const Bitmap& b, size_t state, const RECT& dest);
  // White that fades from `alpha` at the top of `r` to nothing at its bottom.
  void gloss(const RECT& r, int alpha);
  uint32_t pixel(int x, int y) const { return bits_[y * w_ + x]; }
  void blitTo(HDC target, int x, int y) const;

 private:
  void blend(int x, int y, uint32_t src);
  int w_, h_;
  MemoryDc dc_;
  GdiObject dib_;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

}  // namespace orv::skin
