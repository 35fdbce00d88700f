#include "services/dialog_services.h"

#include <windows.h>

namespace orv {
namespace {

constexpr char kCaption[] = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：
// One OK button, no icon; task-modal, so the thread's top-level windows are
// disabled while the box is open.
constexpr UINT kStyle = MB_OK | MB_TASKMODAL;
static_assert(kStyle == 0x2000, "the box is plain and task-modal");

}  // namespace

void showMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), kCaption, kStyle);
}

}  // namespace orv
