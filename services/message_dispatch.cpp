#include "services/message_dispatch.h"

#include <utility>

namespace orv {
namespace {

PreTranslateHook& installedHook() {
  static PreTranslateHook hook;
  return hook;
}

}  // namespace

void setPreTranslateHook(PreTranslateHook hook) {
  installedHook() = std::move(hook);
}

void dispatchQueuedMessage(const MSG& queued) {
  MSG msg = queued;
  // A copy, so that a hook may replace itself while it runs.
  PreTranslateHook hook = installedHook();
  if (hook && hook(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace orv
