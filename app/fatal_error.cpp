#include "fatal_error.h"

#include <windows.h>

#include "shutdown.h"

namespace orv {

void fatalError(const std::string& message, int code) {
  std::string text = "程序运行时发生错误，即将退出。";
  if (code != 0) text += "\r\n错误码：" + std::to_string(code);
  if (!message.empty()) text += "\r\n" + message;
  MessageBoxA(nullptr, text.c_str(), "Orvanta皮肤修改器 - 运行时错误",
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  runShutdownReleases();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace orv
