// The one way a queued message reaches its window, shared by the main event
// loop and pumpEvents so that keyboard navigation works in both.
#pragma once
#include <windows.h>

#include <functional>

namespace orv {

// Offered each message first; returns true when it consumed the message (the
// forms runtime uses it for Tab, arrow keys, Esc and Enter of its window).
using PreTranslateHook = std::function<bool(MSG&)>;

// Installs the hook for the GUI thread; an empty function removes it.
void setPreTranslateHook(PreTranslateHook hook);

// Offers the message to the hook, then translates and dispatches it unless the
// hook consumed it.
void dispatchQueuedMessage(const MSG& msg);

}  // namespace orv
