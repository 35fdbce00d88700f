#include "services/dialog_services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstdio>
#include <vector>

#include "test_support.h"

namespace orv::test {
namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kQuitFromHandler = WM_APP + 2;

struct Seen {
  UINT message;
  WPARAM wparam;
  double atMs;
};

// A shown window that notes the messages of interest with their times.
class RecordingWindow {
 public:
  RecordingWindow()
      : window_("pump", [this](UINT message, WPARAM wparam, LPARAM) {
          if (message == kPing || message == WM_PAINT || message == WM_TIMER) {
            seen_.push_back({message, wparam, nowMs()});
          }
          if (message == kQuitFromHandler) PostQuitMessage(static_cast<int>(wparam));
        }) {
    window_.bringToFront();
    drain();
    seen_.clear();
  }

  HWND handle() const { return window_.handle(); }
  const std::vector<Seen>& seen() const { return seen_; }
  std::vector<Seen> seenOf(UINT message) const {
    std::vector<Seen> of;
    for (const Seen& s : seen_) {
      if (s.message == message) of.push_back(s);
    }
    return of;
  }
  // Handles what the creation queued, so a test starts from an empty queue.
  static void drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

 private:
  std::vector<Seen> seen_;
  TestWindow window_;
};

// Posts pings from another thread at the given offsets after its start, and
// notes when each was posted.
class Pinger {
 public:
  Pinger(HWND window, std::vector<int> offsetsMs)
      : offsets_(std::move(offsetsMs)), thread_([this, window] {
          const double start = nowMs();
          for (std::size_t i = 0; i < offsets_.size(); ++i) {
            while (nowMs() - start < offsets_[i]) Sleep(5);
            postedAt_.push_back(nowMs());
            PostMessageA(window, kPing, i, 0);
          }
        }) {}
  // Valid once the pinger has gone (its destructor joins the thread).
  const std::vector<double>& postedAt() const { return postedAt_; }

 private:
  std::vector<int> offsets_;
  std::vector<double> postedAt_;
  TestThread thread_;
};

TEST(PumpEvents, LastsTheWholeTimeAndDispatchesWhatArrivesMeanwhile) {
  RecordingWindow window;
  SetTimer(window.handle(), 1, 100, nullptr);
  std::vector<double> postedAt;
  double start = 0, end = 0;
  {
    Pinger pinger(window.handle(), {300, 900, 1500});
    TestThread painter([&window] {
      Sleep(1200);
      InvalidateRect(window.handle(), nullptr, TRUE);
    });
    start = nowMs();
    pumpEvents(2000);
    end = nowMs();
    postedAt = pinger.postedAt();
  }
  KillTimer(window.handle(), 1);
  std::printf("pumpEvents(2000) took %.1f ms\n", end - start);
  EXPECT_GE(end - start, 2000.0);

  const std::vector<Seen> pings = window.seenOf(kPing);
  ASSERT_EQ(pings.size(), 3u);
  for (std::size_t i = 0; i < pings.size(); ++i) {
    EXPECT_EQ(pings[i].wparam, i);
    EXPECT_GE(pings[i].atMs, postedAt[i]);
    EXPECT_LE(pings[i].atMs, end);
    std::printf("ping %zu dispatched %.1f ms after it was posted\n", i,
                pings[i].atMs - postedAt[i]);
  }
  const std::vector<Seen> paints = window.seenOf(WM_PAINT);
  ASSERT_FALSE(paints.empty()) << "the window was not repainted during the pause";
  EXPECT_GE(paints.back().atMs, start + 1200.0);
  const std::size_t timers = window.seenOf(WM_TIMER).size();
  std::printf("%zu timer messages of 100 ms during the pause\n", timers);
  EXPECT_GE(timers, 5u);
}

class PumpEventsNoTime : public testing::TestWithParam<std::int32_t> {};

TEST_P(PumpEventsNoTime, ReturnsAtOnceWithoutDispatching) {
  RecordingWindow window;
  PostMessageA(window.handle(), kPing, 0, 0);
  const double start = nowMs();
  pumpEvents(GetParam());
  const double took = nowMs() - start;
  std::printf("pumpEvents(%d) took %.3f ms\n", GetParam(), took);
  EXPECT_LT(took, 500.0);
  EXPECT_TRUE(window.seen().empty());
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, window.handle(), kPing, kPing, PM_REMOVE))
      << "the pending message was taken from the queue";
}

INSTANTIATE_TEST_SUITE_P(Table, PumpEventsNoTime, testing::Values(0, -1, -2000, INT_MIN));

double processCpuMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
           10000.0;
  };
  return ms(kernel) + ms(user);
}

TEST(PumpEvents, WaitsForMessagesInsteadOfSpinning) {
  RecordingWindow window;
  const double cpuBefore = processCpuMs();
  const double start = nowMs();
  {
    Pinger pinger(window.handle(), {250, 500, 750, 1000, 1250, 1500, 1750});
    pumpEvents(2000);
  }
  const double wall = nowMs() - start;
  const double cpu = processCpuMs() - cpuBefore;
  std::printf("process CPU time during a %.0f ms pause: %.1f ms (%.1f%%)\n", wall, cpu,
              100.0 * cpu / wall);
  EXPECT_EQ(window.seenOf(kPing).size(), 7u);
  EXPECT_LT(cpu, 0.2 * wall);
}

// A quit met during the pause does not cut it short, and the loop after the
// pause still receives it with its code.
struct QuitCase {
  const char* name;
  bool fromHandler;  // PostQuitMessage in a window handler, else WM_QUIT posted by another thread
  int code;
};

class PumpEventsQuit : public testing::TestWithParam<QuitCase> {};

TEST_P(PumpEventsQuit, IsKeptForTheLoopAfterThePause) {
  const QuitCase& c = GetParam();
  RecordingWindow window;
  const DWORD guiThread = GetCurrentThreadId();
  double start = 0, end = 0;
  {
    TestThread quitter([&] {
      Sleep(400);
      if (c.fromHandler) {
        PostMessageA(window.handle(), kQuitFromHandler, static_cast<WPARAM>(c.code), 0);
      } else {
        PostThreadMessageA(guiThread, WM_QUIT, static_cast<WPARAM>(c.code), 0);
      }
    });
    Pinger pinger(window.handle(), {1000});
    start = nowMs();
    pumpEvents(2000);
    end = nowMs();
  }
  EXPECT_GE(end - start, 2000.0);
  EXPECT_EQ(window.seenOf(kPing).size(), 1u) << "messages after the quit were not dispatched";

  // The main loop: should the quit be lost, the watchdog ends it with its own code.
  constexpr int kWatchdog = -999;
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, nullptr);
  MSG msg;
  int loopCode = 0;
  for (;;) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      loopCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) FAIL() << "GetMessage failed";
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == watchdog) {
      PostQuitMessage(kWatchdog);
      continue;
    }
    DispatchMessageA(&msg);
  }
  KillTimer(nullptr, watchdog);
  EXPECT_EQ(loopCode, c.code);
}

INSTANTIATE_TEST_SUITE_P(Table, PumpEventsQuit,
                         testing::Values(QuitCase{"PostQuitMessageInAHandler", true, 7},
                                         QuitCase{"QuitPostedByAnotherThread", false, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orv::test
