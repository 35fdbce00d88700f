// Fonts made from descriptions.
#pragma once
#include <windows.h>

#include "form_description.h"

namespace orv {

// A font exactly as described; a negative height is a character height in pixels.
HFONT createFont(const FontDescription& font);

// Height for a size in points on the screen's resolution.
int pointsToHeight(int points);

}  // namespace orv
