// Picture box: shows a BMP or JPEG held in memory, decoded once when set.
#pragma once
#include <windows.h>

#include <optional>

#include "form_description.h"
#include "picture/picture_decode.h"
#include "win_handles.h"

namespace orv {

class PicBox {
 public:
  static constexpr const char* kClassName = "OrvPicBox";
  static bool registerClass(HINSTANCE instance);

  explicit PicBox(PictureScaling scaling) : scaling_(scaling) {}

  // Decodes the bytes and redraws; bytes that do not decode leave only the background.
  void setPicture(HWND hwnd, BytesView bytes);
  bool hasPicture() const { return picture_.has_value(); }

 private:
  void paint(HWND hwnd);
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  PictureScaling scaling_;
  std::optional<DecodedPicture> picture_;
  // The picture stretched to the drawing area once; repaints only copy it.
  UniqueGdi<HBITMAP> scaled_;
  SIZE scaledSize_{};
};

}  // namespace orv
