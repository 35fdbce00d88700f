// Turns a palette into a complete theme: colours, metrics, the caption font
// and every bitmap the library draws.
#pragma once

#include "palette.h"
#include "skinlib/skin_theme.h"

namespace orv::skingen {

skin::Theme buildTheme(const Palette& palette);

}  // namespace orv::skingen
