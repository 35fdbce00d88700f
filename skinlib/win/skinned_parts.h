// The subclass procedures of the skinned window kinds and what they share.
#pragma once

#include "engine.h"

#include <commctrl.h>
#include <windows.h>

#include <vector>

namespace orv::skin {

enum class SkinKind : UINT_PTR { none, frame, push, radio, group, edit };

// Which part of the skin a window wears, from its class and style.
SkinKind skinKindOf(HWND hwnd);

LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK pushProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK radioProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK groupProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK editProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// Frame geometry changes once a window is skinned or plain again.
void refreshFrame(HWND hwnd);
// How much larger the skinned frame is than the plain one of the same style.
SIZE frameGrowth(HWND hwnd, const Theme& t);
// Redraws the non-client area now.
void paintFrame(HWND hwnd);

// Fills `dc` (in the child's client coordinates) with what the parent shows beneath the child.
void paintParentBackground(HWND child, HDC dc, const RECT& area);

// The aero shadow that follows a framed window.
void updateShadow(HWND target);
void removeShadow(HWND target);
// While the user moves or sizes the window the shadow stays hidden.
void setShadowMoving(HWND target, bool moving);
bool isShadowWindow(HWND hwnd);

// A window's narrow text, zero-terminated.
class WindowText {
 public:
  explicit WindowText(HWND hwnd);
  const char* c_str() const { return chars_.data(); }
  int size() const { return static_cast<int>(chars_.size()) - 1; }
  bool empty() const { return size() <= 0; }

 private:
  std::vector<char> chars_;
};

constexpr UINT_PTR kSubclassId = 0x5348;  // "SH"

}  // namespace orv::skin
