// Restore over both bitmap tables: every state with a backup is put back,
// entries without one are left alone, SERVER.INI is never touched.
#include <gtest/gtest.h>

#include <algorithm>

#include "file_states.h"
#include "game_folder.h"
#include "installer_actions.h"

namespace orv::test {
namespace {

constexpr const char* kRestored = "界面还原成功!!";

struct RestoreRow {
  const char* name;
  Holds gameBefore, backupBefore, gameAfter, backupAfter;
  const char* outcome;
};
const RestoreRow kRestoreRows[] = {
    {"replaced", Holds::asset, Holds::own, Holds::own, Holds::nothing, kRestored},
    {"gameFileMissing", Holds::nothing, Holds::own, Holds::own, Holds::nothing, kRestored},
    {"assetBackedUp", Holds::asset, Holds::asset, Holds::asset, Holds::nothing, kRestored},
    // Never replaced: the game's own files must survive.
    {"noBackup", Holds::own, Holds::nothing, Holds::own, Holds::nothing, "没有可还原的备份!"},
};

class RestoreStates : public testing::TestWithParam<RestoreRow> {};

TEST_P(RestoreStates, AllTwentyThreeEntriesEndInTheirState) {
  const RestoreRow& row = GetParam();
  GameFolder game;
  const std::string serverList = "[old list]\r\n";
  game.put("\\SERVER.INI", serverList);
  for (const GameFile& file : allGameFiles()) lay(game, file, row.gameBefore, row.backupBefore);
  // The checked radio button makes no difference.
  checkRadio(sharedProgram(), kRadio3);
  EXPECT_EQ(restoreIn(game.root()), row.outcome);
  for (const GameFile& file : allGameFiles())
    expectHolds(game, file, row.gameAfter, row.backupAfter);
  EXPECT_EQ(game.read("\\SERVER.INI"), serverList);
}

INSTANTIATE_TEST_SUITE_P(Rows, RestoreStates, testing::ValuesIn(kRestoreRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Restore, AfterBothModesBringsAllBackAndLeavesNoBackup) {
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::nothing);
  EXPECT_EQ(replaceIn(game.root(), kRadio1), "登陆皮肤替换成功!");
  EXPECT_EQ(replaceIn(game.root(), kRadio2), "游戏皮肤替换成功!");
  EXPECT_EQ(restoreIn(game.root()), kRestored);
  std::vector<std::string> expected;
  for (const GameFile& file : allGameFiles()) {
    expectHolds(game, file, Holds::own, Holds::nothing);
    expected.push_back(file.path);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(game.files(), expected);
}

TEST(Restore, AfterOnlyTheLoginModeLeavesTheInterfaceFilesAlone) {
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::nothing);
  EXPECT_EQ(replaceIn(game.root(), kRadio1), "登陆皮肤替换成功!");
  EXPECT_EQ(restoreIn(game.root()), kRestored);
  for (const GameFile& file : allGameFiles()) expectHolds(game, file, Holds::own, Holds::nothing);
}

TEST(Restore, LockedGameFileKeepsBothFilesAndFails) {
  GameFolder game;
  for (const GameFile& file : loginFiles()) lay(game, file, Holds::asset, Holds::own);
  const GameFile& locked = loginFiles()[2];
  std::string text;
  {
    FileLock lock(game.path(locked.path));
    ASSERT_TRUE(lock.held());
    text = restoreIn(game.root());
  }
  EXPECT_EQ(text, "界面还原失败!");
  expectHolds(game, locked, Holds::asset, Holds::own);
  for (const GameFile& file : loginFiles())
    if (&file != &locked) expectHolds(game, file, Holds::own, Holds::nothing);
}

TEST(Restore, MissingFolderFindsNothingToRestoreAndCreatesNothing) {
  GameFolder parent(true);
  EXPECT_EQ(restoreIn(parent.path("\\no such game")), "没有可还原的备份!");
  EXPECT_TRUE(parent.files().empty());
}

}  // namespace
}  // namespace orv::test
