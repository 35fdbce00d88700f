// Transparent label: draws only its text over whatever lies beneath it.
#pragma once
#include <windows.h>

namespace orv {

class TransLabel {
 public:
  static constexpr const char* kClassName = "OrvTransLabel";
  static bool registerClass(HINSTANCE instance);

  explicit TransLabel(COLORREF color) : color_(color) {}

 private:
  void paint(HWND hwnd);
  static void repaintBeneath(HWND hwnd);
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  COLORREF color_;
  HFONT font_ = nullptr;  // owned by the form
};

}  // namespace orv
