#include "application.h"

#include "fatal_error.h"
#include "forms/form.h"
#include "main_window_binding.h"
#include "services/file_services.h"
#include "services/message_dispatch.h"
#include "shutdown.h"

namespace orv {

int runApplication(HINSTANCE instance) {
  // A relative game folder means one below the program's own folder, wherever
  // the program was started from.
  SetCurrentDirectoryA(programDirectory().c_str());

  Form* form = nullptr;
  bool loopEntered = false;
  std::unique_ptr<Form> mainWindow =
      Form::create(mainWindowDescription(bindMainWindow(form)), instance);
  if (!mainWindow) fatalError("加载启动窗口失败。", 0);
  form = mainWindow.get();
  // A window destroyed during start-up does not end the program by itself.
  mainWindow->onDestroyed([&loopEntered] {
    if (loopEntered) PostQuitMessage(0);
  });
  setPreTranslateHook([form](MSG& msg) { return form->preTranslate(msg); });

  mainWindow->raiseCreated();
  mainWindow->show();

  loopEntered = true;
  int exitCode = 0;
  if (mainWindow->exists()) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) dispatchQueuedMessage(msg);
    exitCode = static_cast<int>(msg.wParam);
  }
  setPreTranslateHook({});
  runShutdownReleases();
  return exitCode;
}

}  // namespace orv
