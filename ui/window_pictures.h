// The main window's own pictures: the title banner and the window icon.
#pragma once
#include "forms/form_description.h"

namespace orv {

BytesView bannerPicture();
BytesView windowIconData();

}  // namespace orv
