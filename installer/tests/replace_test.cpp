// Replace in the two bitmap modes: every state of a game file and its backup,
// repeated and combined replacements, failures that must not cost a game file.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "file_states.h"
#include "full_disk.h"
#include "game_folder.h"
#include "installer_actions.h"

namespace orv::test {
namespace {

struct Mode {
  const char* name;
  int radio;
  const std::vector<GameFile>& (*files)();
  const char* success;
};
const Mode kLogin{"login", kRadio1, loginFiles, "登陆皮肤替换成功!"};
const Mode kInterface{"interface", kRadio2, interfaceFiles, "游戏皮肤替换成功!"};

struct StateRow {
  Holds gameBefore, backupBefore, gameAfter, backupAfter;
};
const StateRow kStateRows[] = {
    {Holds::own, Holds::nothing, Holds::asset, Holds::own},
    {Holds::asset, Holds::own, Holds::asset, Holds::own},  // the first backup survives
    {Holds::nothing, Holds::nothing, Holds::asset, Holds::nothing},
    {Holds::asset, Holds::nothing, Holds::asset, Holds::asset},
    {Holds::nothing, Holds::own, Holds::asset, Holds::own},
};

class ReplaceStates : public testing::TestWithParam<std::tuple<Mode, StateRow>> {};

TEST_P(ReplaceStates, EveryFileAndBackupEndsInItsState) {
  const auto& [mode, row] = GetParam();
  GameFolder game;
  ASSERT_FALSE(assetBytes("main_img1").empty()) << "generated assets not found";
  for (const GameFile& file : mode.files()) lay(game, file, row.gameBefore, row.backupBefore);
  EXPECT_EQ(replaceIn(game.root(), mode.radio), mode.success);
  for (const GameFile& file : mode.files()) expectHolds(game, file, row.gameAfter, row.backupAfter);
}

INSTANTIATE_TEST_SUITE_P(BothModes, ReplaceStates,
                         testing::Combine(testing::Values(kLogin, kInterface),
                                          testing::ValuesIn(kStateRows)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_row" +
                                  std::to_string(info.index % std::size(kStateRows) + 1);
                         });

TEST(Replace, TwiceKeepsTheFirstBackup) {
  GameFolder game;
  for (const GameFile& file : loginFiles()) lay(game, file, Holds::own, Holds::nothing);
  EXPECT_EQ(replaceIn(game.root(), kRadio1), kLogin.success);
  EXPECT_EQ(replaceIn(game.root(), kRadio1), kLogin.success);
  for (const GameFile& file : loginFiles()) expectHolds(game, file, Holds::asset, Holds::own);
  // The two login pictures serve two game files each.
  EXPECT_TRUE(game.read("\\upimg\\Main_Img1c.bmp") == game.read("\\upimg\\Main_Img1s.bmp"));
  EXPECT_EQ(game.read("\\upimg\\Main_Img1c.bmp").size(), 921656u);
  EXPECT_EQ(game.read("\\upimg\\Main_Img2S.bmp").size(), 158456u);
}

TEST(Replace, BothModesKeepBothSetsOfBackupsAndCreateNothingElse) {
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::nothing);
  EXPECT_EQ(replaceIn(game.root(), kRadio1), kLogin.success);
  EXPECT_EQ(replaceIn(game.root(), kRadio2), kInterface.success);
  std::vector<std::string> expected;
  for (const GameFile& file : allGameFiles()) {
    expectHolds(game, file, Holds::asset, Holds::own);
    expected.push_back(file.path);
    expected.push_back(file.backup);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(game.files(), expected);
}

TEST(Replace, MissingFolderGivesTheFailureTextAndCreatesNothing) {
  GameFolder parent(true);
  const std::string missing = parent.path("\\no such game");
  EXPECT_EQ(replaceIn(missing, kRadio1), "登陆皮肤替换失败!");
  EXPECT_EQ(replaceIn(missing, kRadio3), "列表乱码修改失败!");
  EXPECT_EQ(replaceIn(missing, kRadio2), "游戏皮肤替换失败!");
  EXPECT_TRUE(parent.files().empty());
  EXPECT_FALSE(parent.exists("\\no such game"));
}

TEST(Replace, FolderWithoutUpimgFailsTheLoginModeOnly) {
  GameFolder game(true);
  EXPECT_EQ(replaceIn(game.root(), kRadio1), "登陆皮肤替换失败!");
  EXPECT_TRUE(game.files().empty());
}

TEST(Replace, LockedGameFileWithoutBackupKeepsItsBytesAndFails) {
  for (const Mode& mode : {kLogin, kInterface}) {
    SCOPED_TRACE(mode.name);
    GameFolder game;
    const auto& files = mode.files();
    for (const GameFile& file : files) lay(game, file, Holds::own, Holds::nothing);
    const GameFile& locked = files[1];
    std::string text;
    {
      FileLock lock(game.path(locked.path));
      ASSERT_TRUE(lock.held());
      text = replaceIn(game.root(), mode.radio);
    }
    EXPECT_NE(text, mode.success);
    EXPECT_EQ(text, mode.radio == kRadio1 ? "登陆皮肤替换失败!" : "游戏皮肤替换失败!");
    expectHolds(game, locked, Holds::own, Holds::nothing);
    for (const GameFile& file : files)
      if (&file != &locked) expectHolds(game, file, Holds::asset, Holds::own);
  }
}

TEST(Replace, LockedGameFileWithBackupFailsAndLosesNothing) {
  GameFolder game;
  for (const GameFile& file : loginFiles()) lay(game, file, Holds::asset, Holds::own);
  const GameFile& locked = loginFiles()[0];
  game.put(locked.path, "half-installed picture");
  std::string text;
  {
    FileLock lock(game.path(locked.path));
    ASSERT_TRUE(lock.held());
    text = replaceIn(game.root(), kRadio1);
  }
  EXPECT_EQ(text, "登陆皮肤替换失败!");
  EXPECT_EQ(game.read(locked.path), "half-installed picture");
  EXPECT_TRUE(game.read(locked.backup) == GameFolder::ownBytes(locked.path));
}

// Writes that fail for want of space come after the renames, so every game
// file is then safe in its backup and Restore brings it back.
TEST(Replace, FullDiskFailsAndRestoreBringsEveryGameFileBack) {
  FullDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
  GameFolder game(false, disk.root());
  for (const GameFile& file : loginFiles()) lay(game, file, Holds::own, Holds::nothing);
  ASSERT_TRUE(disk.fill());
  EXPECT_EQ(replaceIn(game.root(), kRadio1), "登陆皮肤替换失败!");
  for (const GameFile& file : loginFiles())
    EXPECT_TRUE(game.read(file.backup) == GameFolder::ownBytes(file.path)) << file.backup;
  EXPECT_EQ(restoreIn(game.root()), "界面还原成功!!");
  for (const GameFile& file : loginFiles()) expectHolds(game, file, Holds::own, Holds::nothing);
}

// A read-only game file is renamed like any other: the backup is the game's
// file itself, attribute included, and Restore puts it back as it was.
TEST(Replace, ReadOnlyGameFileKeepsItsBytesAndAttributeThroughReplaceAndRestore) {
  GameFolder game;
  for (const GameFile& file : loginFiles()) lay(game, file, Holds::own, Holds::nothing);
  const GameFile& guarded = loginFiles()[2];
  ASSERT_TRUE(SetFileAttributesA(game.path(guarded.path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(replaceIn(game.root(), kRadio1), kLogin.success);
  for (const GameFile& file : loginFiles()) expectHolds(game, file, Holds::asset, Holds::own);
  EXPECT_TRUE(GetFileAttributesA(game.path(guarded.backup).c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(restoreIn(game.root()), "界面还原成功!!");
  for (const GameFile& file : loginFiles()) expectHolds(game, file, Holds::own, Holds::nothing);
  EXPECT_TRUE(GetFileAttributesA(game.path(guarded.path).c_str()) & FILE_ATTRIBUTE_READONLY);
}

}  // namespace
}  // namespace orv::test
