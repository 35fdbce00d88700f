// The server-list mode: the list replaced whole in one step, nothing left
// beside it, and the old list kept when the new one cannot be put in place.
#include <gtest/gtest.h>

#include "full_disk.h"
#include "game_folder.h"
#include "installer_actions.h"

namespace orv::test {
namespace {

constexpr const char* kListed = "列表乱码修改成功!";

struct OldList {
  const char* name;
  bool present;
  std::string bytes;
};

class ServerListReplace : public testing::TestWithParam<OldList> {};

TEST_P(ServerListReplace, LeavesExactlyTheCarriedListAndNothingElse) {
  const OldList& old = GetParam();
  const std::string list = assetBytes("server_ini");
  ASSERT_EQ(list.size(), 499u);
  GameFolder game(true);
  if (old.present) game.put("\\SERVER.INI", old.bytes);
  EXPECT_EQ(replaceIn(game.root(), kRadio3), kListed);
  EXPECT_TRUE(game.read("\\SERVER.INI") == list);
  EXPECT_EQ(game.files(), std::vector<std::string>{"\\SERVER.INI"});
}

INSTANTIATE_TEST_SUITE_P(OldLists, ServerListReplace,
                         testing::Values(OldList{"none", false, {}},
                                         OldList{"shorter", true, "[server]\r\n"},
                                         OldList{"longer", true, std::string(4096, 'x')},
                                         OldList{"empty", true, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ServerList, LockedListStaysAndTheFailureIsShown) {
  GameFolder game(true);
  const std::string old = "[old servers]\r\n" + std::string(900, 'o');
  game.put("\\SERVER.INI", old);
  std::string text;
  {
    FileLock lock(game.path("\\SERVER.INI"));
    ASSERT_TRUE(lock.held());
    text = replaceIn(game.root(), kRadio3);
  }
  EXPECT_EQ(text, "列表乱码修改失败!");
  EXPECT_EQ(game.read("\\SERVER.INI"), old);
  EXPECT_EQ(game.files(), std::vector<std::string>{"\\SERVER.INI"}) << "temporary list removed";
}

TEST(ServerList, FullDiskKeepsTheOldListAndShowsTheFailure) {
  FullDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
  GameFolder game(true, disk.root());
  const std::string old = "[old servers]\r\n";
  game.put("\\SERVER.INI", old);
  ASSERT_TRUE(disk.fill());
  EXPECT_EQ(replaceIn(game.root(), kRadio3), "列表乱码修改失败!");
  EXPECT_EQ(game.read("\\SERVER.INI"), old);
  EXPECT_EQ(game.files(), (std::vector<std::string>{"\\SERVER.INI", "\\filler"}))
      << "temporary list removed";
}

TEST(ServerList, TwiceGivesTheSameList) {
  GameFolder game(true);
  EXPECT_EQ(replaceIn(game.root(), kRadio3), kListed);
  EXPECT_EQ(replaceIn(game.root(), kRadio3), kListed);
  EXPECT_TRUE(game.read("\\SERVER.INI") == assetBytes("server_ini"));
  EXPECT_EQ(game.files(), std::vector<std::string>{"\\SERVER.INI"});
}

}  // namespace
}  // namespace orv::test
