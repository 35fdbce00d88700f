// Which game files may be written, and which outcome text an action shows.
#include <gtest/gtest.h>

#include <string>

#include "installer/outcome_rules.h"

namespace orv {
namespace {

TEST(OutcomeRules, GameFileIsWrittenOnlyWhenMissingOrBackedUp) {
  struct Case {
    bool gameFileExists, backupExists, mayWrite;
  };
  const Case cases[] = {
      {false, false, true},  // nothing to lose: the write creates the file
      {false, true, true},   // the rename made the backup, or an earlier run did
      {true, true, true},    // the backup from an earlier run survives
      {true, false, false},  // the rename failed and no copy exists
  };
  for (const Case& c : cases)
    EXPECT_EQ(mayWriteGameFile(c.gameFileExists, c.backupExists), c.mayWrite)
        << c.gameFileExists << c.backupExists;
}

TEST(OutcomeRules, TallyIsCompleteOnlyWhenEveryNeededWriteSucceeded) {
  WriteTally all;
  for (int i = 0; i < 19; ++i) all.add(true);
  EXPECT_TRUE(all.complete());
  EXPECT_EQ(all.needed, 19u);

  WriteTally oneFailed;
  for (int i = 0; i < 4; ++i) oneFailed.add(i != 2);
  EXPECT_FALSE(oneFailed.complete());
  EXPECT_EQ(oneFailed.succeeded, 3u);
}

TEST(OutcomeRules, ReplaceTextsPerModeAndResult) {
  struct Case {
    SkinMode mode;
    bool ok;
    const char* text;
  };
  const Case cases[] = {
      {SkinMode::loginSkin, true, "登陆皮肤替换成功!"},
      {SkinMode::loginSkin, false, "登陆皮肤替换失败!"},
      {SkinMode::serverList, true, "列表乱码修改成功!"},
      {SkinMode::serverList, false, "列表乱码修改失败!"},
      {SkinMode::gameInterface, true, "游戏皮肤替换成功!"},
      {SkinMode::gameInterface, false, "游戏皮肤替换失败!"},
  };
  for (const Case& c : cases) EXPECT_STREQ(replaceOutcomeText(c.mode, c.ok), c.text);
}

TEST(OutcomeRules, RestoreOutcomeFromEntriesWithBackupAndThoseRestored) {
  struct Case {
    std::size_t restorable, restored;
    RestoreOutcome outcome;
    const char* text;
  };
  const Case cases[] = {
      {23, 23, RestoreOutcome::restored, "界面还原成功!!"},
      {4, 4, RestoreOutcome::restored, "界面还原成功!!"},
      {19, 18, RestoreOutcome::failed, "界面还原失败!"},
      {1, 0, RestoreOutcome::failed, "界面还原失败!"},
      {0, 0, RestoreOutcome::nothingToRestore, "没有可还原的备份!"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(restoreOutcome(c.restorable, c.restored), c.outcome) << c.restorable << c.restored;
    EXPECT_STREQ(restoreOutcomeText(c.outcome), c.text);
  }
}

}  // namespace
}  // namespace orv
