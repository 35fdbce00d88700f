// Window-level keyboard behaviour of a form, applied in the message loop.
#include "form.h"

namespace orv {

namespace {
bool usable(HWND hwnd) {
  return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}
}  // namespace

bool Form::preTranslate(MSG& msg) {
  HWND hwnd = window_.get();
  if (!hwnd || (msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd))) return false;
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_ESCAPE:
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB:
      moveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      return true;
    case VK_RETURN:
    case VK_F1:
      return true;  // no default button, no help
    case VK_RIGHT:
    case VK_DOWN:
      return moveRadio(msg.hwnd, 1);
    case VK_LEFT:
    case VK_UP:
      return moveRadio(msg.hwnd, -1);
  }
  return false;
}

// Tab order is creation order over the tab stops, wrapping at both ends.
void Form::moveFocus(int step) {
  std::vector<HWND> stops;
  for (const Control& c : controls_)
    if (c.description.tabStop && usable(c.hwnd)) stops.push_back(c.hwnd);
  if (stops.empty()) return;
  HWND focus = GetFocus();
  int at = -1;
  for (size_t i = 0; i < stops.size(); ++i)
    if (stops[i] == focus || IsChild(stops[i], focus)) at = static_cast<int>(i);
  const int count = static_cast<int>(stops.size());
  const int next = at < 0 ? (step > 0 ? 0 : count - 1) : ((at + step) % count + count) % count;
  navigating_ = true;
  SetFocus(stops[static_cast<size_t>(next)]);
  navigating_ = false;
}

// Arrow keys on a radio button check the next one of its group, focus it and
// raise its clicked event.
bool Form::moveRadio(HWND focus, int step) {
  const Control* current = findByWindow(focus);
  if (!current || current->description.kind != ControlKind::RadioBox) return false;
  std::vector<const Control*> group;
  for (const Control& c : controls_)
    if (c.description.kind == ControlKind::RadioBox && GetParent(c.hwnd) == GetParent(focus) &&
        usable(c.hwnd))
      group.push_back(&c);
  int at = 0;
  for (size_t i = 0; i < group.size(); ++i)
    if (group[i] == current) at = static_cast<int>(i);
  const int count = static_cast<int>(group.size());
  const Control* target = group[static_cast<size_t>(((at + step) % count + count) % count)];
  for (const Control* c : group)
    SendMessageA(c->hwnd, BM_SETCHECK, c == target ? BST_CHECKED : BST_UNCHECKED, 0);
  navigating_ = true;
  SetFocus(target->hwnd);
  navigating_ = false;
  raiseClicked(*target);
  return true;
}

}  // namespace orv
