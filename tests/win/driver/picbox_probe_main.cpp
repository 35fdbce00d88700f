// A window with one stretching picture box of the preview's size, built with the
// forms runtime. A test hands it image bytes with WM_COPYDATA to a message-only
// window titled "picbox probe <process id>"; they are written as the box's
// picture and painted before the message returns.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "form.h"

namespace {

constexpr const char* kBoxName = "box";
constexpr const char* kInboxClass = "OrvPicBoxProbeInbox";

orv::Form* theForm = nullptr;

LRESULT CALLBACK inboxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COPYDATA && theForm) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    // The sender's bytes live only for this message; the box decodes them now.
    const std::vector<std::uint8_t> bytes(
        static_cast<const std::uint8_t*>(data->lpData),
        static_cast<const std::uint8_t*>(data->lpData) + data->cbData);
    theForm->setPicture(kBoxName, orv::BytesView{bytes.empty() ? nullptr : bytes.data(),
                                                 static_cast<std::uint32_t>(bytes.size())});
    UpdateWindow(theForm->control(kBoxName));
    return TRUE;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  orv::WindowDescription window;
  window.title = "picbox probe";
  window.width = 420;
  window.height = 330;
  orv::ControlDescription box;
  box.name = kBoxName;
  box.kind = orv::ControlKind::PicBox;
  box.left = 8;
  box.top = 8;
  box.width = 384;
  box.height = 264;
  box.border = true;
  box.scaling = orv::PictureScaling::Stretch;
  window.controls.push_back(box);
  std::unique_ptr<orv::Form> form = orv::Form::create(window, instance);
  if (!form) return 1;
  theForm = form.get();
  form->onDestroyed([] { PostQuitMessage(0); });

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = inboxProc;
  wc.hInstance = instance;
  wc.lpszClassName = kInboxClass;
  if (!RegisterClassExA(&wc)) return 1;
  const std::string title = "picbox probe " + std::to_string(GetCurrentProcessId());
  orv::UniqueWindow inbox(CreateWindowExA(0, kInboxClass, title.c_str(), 0, 0, 0, 0, 0,
                                          HWND_MESSAGE, nullptr, instance, nullptr));
  if (!inbox.get()) return 1;
  form->show();

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  theForm = nullptr;
  return 0;
}
