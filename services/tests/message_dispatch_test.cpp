#include "services/message_dispatch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "services/dialog_services.h"
#include "test_support.h"

namespace orv::test {
namespace {

constexpr UINT kKept = WM_APP + 10;
constexpr UINT kConsumed = WM_APP + 11;

class Dispatch : public testing::Test {
 protected:
  struct Reached {
    UINT message;
    WPARAM wparam;
  };

  Dispatch()
      : window_("dispatch", [this](UINT message, WPARAM wparam, LPARAM) {
          if (message == kKept || message == kConsumed || message == WM_CHAR ||
              message == WM_KEYDOWN) {
            reached_.push_back({message, wparam});
          }
        }) {
    window_.bringToFront();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  ~Dispatch() override { setPreTranslateHook({}); }

  std::vector<Reached> reached_;
  TestWindow window_;
};

TEST_F(Dispatch, AHookThatConsumesAMessageKeepsItFromTheWindow) {
  std::vector<UINT> offered;
  setPreTranslateHook([&offered](MSG& msg) {
    offered.push_back(msg.message);
    return msg.message == kConsumed;
  });
  PostMessageA(window_.handle(), kConsumed, 1, 0);
  PostMessageA(window_.handle(), kKept, 2, 0);
  pumpEvents(100);
  ASSERT_EQ(reached_.size(), 1u);
  EXPECT_EQ(reached_[0].message, kKept);
  EXPECT_EQ(std::count(offered.begin(), offered.end(), kConsumed), 1);
  EXPECT_EQ(std::count(offered.begin(), offered.end(), kKept), 1);
}

TEST_F(Dispatch, KeysAreTranslatedIntoCharacters) {
  const MSG key{window_.handle(), WM_KEYDOWN, 'A', 1 | (0x1E << 16), 0, {}};  // scan code of A
  dispatchQueuedMessage(key);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) dispatchQueuedMessage(msg);
  ASSERT_EQ(reached_.size(), 2u);
  EXPECT_EQ(reached_[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(reached_[1].message, static_cast<UINT>(WM_CHAR));
  EXPECT_TRUE(reached_[1].wparam == 'a' || reached_[1].wparam == 'A');
}

TEST_F(Dispatch, WithoutAHookEveryMessageReachesItsWindow) {
  setPreTranslateHook({});
  dispatchQueuedMessage(MSG{window_.handle(), kConsumed, 3, 0, 0, {}});
  ASSERT_EQ(reached_.size(), 1u);
  EXPECT_EQ(reached_[0].wparam, 3u);
}

TEST_F(Dispatch, AHookMayRemoveItselfWhileItRuns) {
  int calls = 0;
  setPreTranslateHook([&calls](MSG&) {
    ++calls;
    setPreTranslateHook({});
    return true;
  });
  dispatchQueuedMessage(MSG{window_.handle(), kKept, 1, 0, 0, {}});
  dispatchQueuedMessage(MSG{window_.handle(), kKept, 2, 0, 0, {}});
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(reached_.size(), 1u);
  EXPECT_EQ(reached_[0].wparam, 2u);
}

}  // namespace
}  // namespace orv::test
