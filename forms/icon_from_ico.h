// An icon made from ICO file data held in memory.
#pragma once
#include <windows.h>

#include "form_description.h"

namespace orv {

// The first image of the ICO data, at the given size; nullptr when the data is
// not an icon file.
HICON iconFromIco(BytesView ico, int size);

}  // namespace orv
