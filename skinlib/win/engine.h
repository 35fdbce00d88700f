// The process-wide state of the skin library: the attached skin with its GDI
// objects, the aero switch, the hooks that catch new windows and the list of
// skinned windows.
#pragma once

#include "gdi.h"
#include "skinlib/skin_result.h"
#include "skinlib/skin_theme.h"

#include <windows.h>

#include <cstdint>

namespace orv::skin {

struct ActiveSkin {
  Theme theme;
  FontHandle captionFont;
  Brush back;
  Brush editBack;
};

// The attached skin, or null.
const ActiveSkin* activeSkin();
bool aeroEnabled();

SkinResult attachSkin(const uint8_t* data, int32_t length);
SkinResult setAero(bool on);
SkinResult detachSkin();

// Forgets a window that is being destroyed.
void forgetWindow(HWND hwnd);

}  // namespace orv::skin
