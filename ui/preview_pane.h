// The preview pane: each radio button shows its modification's picture.
#pragma once
#include "assets/asset_store.h"

namespace orv {

class Form;

// Writes the asset, unchanged, as the picture of 图片框1; nothing else.
void showPreview(Form& form, AssetId picture);

}  // namespace orv
