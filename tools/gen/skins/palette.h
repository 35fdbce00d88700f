// The few choices that make one theme; everything else is derived from them.
#pragma once

#include <cstdint>

namespace orv::skingen {

struct Palette {
  const char* name;
  uint32_t captionTop, captionBottom;    // active caption gradient
  uint32_t inactiveTop, inactiveBottom;  // inactive caption gradient
  uint32_t outline;                      // outer frame edge
  uint32_t accent;                       // line under the caption, focus, checked radios
  uint32_t back, text;                   // client area
  uint32_t captionText, captionTextInactive;
  uint32_t buttonTop, buttonBottom, buttonBorder, buttonText;
  uint32_t glyph, closeHover;  // caption button symbols, close button hover fill
  uint32_t editBorder, groupFrame;
  int captionHeight, frameWidth, cornerRadius, buttonRadius;
  int captionButtonWidth, captionButtonHeight;
  int fontHeight, fontWeight;
  int radioSize, shadowSize, glossAlpha;
};

// The ten themes in skin-number order; number 3 is the program's own.
extern const Palette kPalettes[10];

}  // namespace orv::skingen
