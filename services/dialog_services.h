// DialogServices: the message box, the shell folder browser and the timed
// event pump, all on the calling (GUI) thread.
#pragma once
#include <cstdint>
#include <string>

namespace orv {

// A task-modal box without owner, caption "信息：" and a single OK button;
// returns when the user has closed it.
void showMessage(const std::string& text);

// The shell folder browser with the given title, owned by the thread's active
// window, while the thread's top-level windows are disabled. Returns the chosen
// folder's path (a drive's root keeps its backslash), or the empty text when
// the user cancelled or chose an item without a file-system path.
std::string browseForFolder(const std::string& title);

// Dispatches the thread's window messages through dispatchQueuedMessage until
// the given time has passed, waiting for messages rather than spinning. Returns
// at once for 0 or a negative time. A quit message met meanwhile is posted again,
// with its code, when the time is over.
void pumpEvents(std::int32_t milliseconds);

}  // namespace orv
