#include "font_factory.h"

#include "win_handles.h"

namespace orv {

HFONT createFont(const FontDescription& f) {
  return CreateFontA(f.height, 0, 0, 0, f.weight, f.italic, f.underline, f.strikeOut,
                     static_cast<DWORD>(f.charSet), static_cast<DWORD>(f.outPrecision),
                     static_cast<DWORD>(f.clipPrecision), static_cast<DWORD>(f.quality),
                     static_cast<DWORD>(f.pitchAndFamily), f.face.c_str());
}

int pointsToHeight(int points) {
  WindowDC screen(nullptr);
  return -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
}

}  // namespace orv
