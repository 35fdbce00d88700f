#include "window_pictures.h"

#include <windows.h>

#include "ui_resources.h"

namespace orv {

namespace {
// A view of raw resource data inside the program image: nothing is copied.
BytesView resourceBytes(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!info) return {};
  HGLOBAL data = LoadResource(module, info);
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(LockResource(data)),
          static_cast<std::uint32_t>(SizeofResource(module, info))};
}
}  // namespace

BytesView bannerPicture() {
  return resourceBytes(ORV_RES_BANNER);
}
BytesView windowIconData() {
  return resourceBytes(ORV_RES_WINDOW_ICON);
}

}  // namespace orv
