#include "services/dialog_services.h"

#include <windows.h>

#include "services/message_dispatch.h"

namespace orv {
namespace {

// The end of a pause on the performance counter: 64 bits that do not wrap in
// practice and a resolution far finer than a millisecond, so the pause never
// ends early by a tick.
class Deadline {
 public:
  explicit Deadline(std::int32_t milliseconds) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    frequency_ = static_cast<ULONGLONG>(frequency.QuadPart);
    start_ = static_cast<ULONGLONG>(now.QuadPart);
    const auto ms = static_cast<ULONGLONG>(milliseconds);
    length_ = ms / 1000 * frequency_ + (ms % 1000 * frequency_ + 999) / 1000;
  }

  // Whole milliseconds still to go, rounded up; 0 once the time has passed.
  DWORD remaining() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const ULONGLONG elapsed = static_cast<ULONGLONG>(now.QuadPart) - start_;
    if (elapsed >= length_) return 0;
    const ULONGLONG left = length_ - elapsed;
    return static_cast<DWORD>(left / frequency_ * 1000 +
                              (left % frequency_ * 1000 + frequency_ - 1) / frequency_);
  }

 private:
  ULONGLONG frequency_ = 1, start_ = 0, length_ = 0;
};

}  // namespace

void pumpEvents(std::int32_t milliseconds) {
  if (milliseconds <= 0) return;
  const Deadline deadline(milliseconds);
  // A quit taken from the queue is kept back so that the pause lasts its full
  // time, and handed to the main loop when it is over.
  bool quitSeen = false;
  int quitCode = 0;
  for (;;) {
    MSG msg;
    bool timeLeft = true;
    while (timeLeft && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        if (!quitSeen) quitCode = static_cast<int>(msg.wParam);
        quitSeen = true;
      } else {
        dispatchQueuedMessage(msg);
      }
      timeLeft = deadline.remaining() > 0;
    }
    const DWORD left = deadline.remaining();
    if (left == 0) break;
    MsgWaitForMultipleObjectsEx(0, nullptr, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  if (quitSeen) PostQuitMessage(quitCode);
}

}  // namespace orv
