#include "preview_pane.h"

#include "forms/form.h"
#include "main_window.h"

namespace orv {

void showPreview(Form& form, AssetId picture) {
  const AssetBytes bytes = AssetStore::lookup(picture);
  form.setPicture(ctl::kPreviewBox, BytesView{bytes.data, bytes.size});
}

}  // namespace orv
