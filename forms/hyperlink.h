// Simple hypertext box holding one link: hand pointer and underline while the
// mouse is over the link, the shell's "open" verb on a left click.
#pragma once
#include <windows.h>

#include "form_description.h"
#include "win_handles.h"

namespace orv {

class Hyperlink {
 public:
  static constexpr const char* kClassName = "OrvHyperlink";
  static bool registerClass(HINSTANCE instance);

  explicit Hyperlink(LinkDescription link);

 private:
  RECT linkRect(HWND hwnd) const;
  bool overLink(HWND hwnd, LPARAM lparam) const;
  void setHover(HWND hwnd, bool hover);
  void paint(HWND hwnd);
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  LinkDescription link_;
  UniqueGdi<HFONT> font_, hoverFont_;
  bool hover_ = false;
  bool pressed_ = false;
  bool focused_ = false;
};

}  // namespace orv
