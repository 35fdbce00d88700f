// Replace and Restore as the window lives them: the directory guard, no mode
// chosen, the pause before the outcome, clicks and closing during the pause,
// and a relative game folder.
#include <gtest/gtest.h>

#include "file_states.h"
#include "game_folder.h"
#include "installer_actions.h"

namespace orv::test {
namespace {

constexpr DWORD kPauseMs = 2000;

// True when the program's thread answers a sent message within the time.
bool answers(HWND hwnd, UINT timeoutMs = 500) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

std::string staticText(HWND box) {
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (className(child) == "Static" && !windowText(child).empty()) text = windowText(child);
  return text;
}

class Guard : public testing::TestWithParam<int> {};

TEST_P(Guard, EmptyEditBoxAsksForTheFolderAndChangesNothing) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::own);
  ASSERT_TRUE(checkRadio(app, kRadio1));
  app.setText(kStatusLabel, kUnwritten);
  app.click(GetParam());

  HWND box = waitForTopLevel(app.processId(), "信息：", "", 10000);
  ASSERT_TRUE(box) << "the message box appears";
  EXPECT_EQ(staticText(box), "请选择Orvanta游戏目录!");
  PostMessageA(box, WM_COMMAND, IDOK, 0);

  HWND browser = waitForTopLevel(app.processId(), "", "#32770", 10000);
  for (DWORD start = GetTickCount(); browser && browser == box && GetTickCount() - start < 10000;)
    browser = waitForTopLevel(app.processId(), "", "#32770", 10000);
  ASSERT_TRUE(browser) << "then the folder browser";
  EXPECT_TRUE(findDescendant(browser, "Static", "请选择Orvanta安装的文件夹"));
  PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
  app.settle();
  Sleep(300);
  app.settle();

  EXPECT_EQ(app.text(kEdit), "");
  EXPECT_EQ(app.text(kStatusLabel), kUnwritten) << "the guard writes no outcome";
  for (const GameFile& file : allGameFiles()) expectHolds(game, file, Holds::own, Holds::own);
}

INSTANTIATE_TEST_SUITE_P(ReplaceAndRestore, Guard, testing::Values(kReplace, kRestore),
                         [](const auto& info) {
                           return std::string(info.param == kReplace ? "Replace" : "Restore");
                         });

TEST(Replace, NoRadioCheckedChangesNeitherFilesNorLabel) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::nothing);
  game.put("\\SERVER.INI", "[old]\r\n");
  app.setText(kEdit, game.root());
  app.setText(kStatusLabel, kUnwritten);
  app.click(kReplace);
  app.settle();
  EXPECT_EQ(waitForOutcome(app, 3000), kUnwritten);
  for (const GameFile& file : allGameFiles()) expectHolds(game, file, Holds::own, Holds::nothing);
  EXPECT_EQ(game.read("\\SERVER.INI"), "[old]\r\n");
}

TEST(Replace, InterfaceOutcomeComesAfterThePauseWhileTheWindowKeepsWorking) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::nothing);
  app.setText(kEdit, game.root());
  ASSERT_TRUE(checkRadio(app, kRadio2));
  app.setText(kStatusLabel, kUnwritten);

  const DWORD clicked = GetTickCount();
  app.click(kReplace);
  Sleep(300);
  // During the pause: the window answers, its controls take texts, and a second
  // Replace and a Restore are ignored.
  EXPECT_TRUE(answers(app.window()));
  app.setText(kStatusLabel, "during");
  EXPECT_EQ(app.text(kStatusLabel), "during");
  // An update region made from outside (InvalidateRect + GetUpdateRect across
  // processes) proved unreliable under Wine, so repainting is seen through the
  // label taking and showing its new text.
  EXPECT_LT(GetTickCount() - clicked, kPauseMs) << "checked within the pause";
  EXPECT_TRUE(answers(app.window()));
  app.setText(kStatusLabel, kUnwritten);
  app.click(kReplace);
  app.click(kRestore);
  EXPECT_TRUE(answers(app.window()));

  const std::string outcome = waitForOutcome(app);
  const DWORD elapsed = GetTickCount() - clicked;
  EXPECT_EQ(outcome, "游戏皮肤替换成功!");
  EXPECT_GE(elapsed, kPauseMs) << "the outcome waits for the pause";

  // Nothing else runs afterwards: no second outcome, and the backups stay.
  app.setText(kStatusLabel, kUnwritten);
  EXPECT_EQ(waitForOutcome(app, 3 * kPauseMs), kUnwritten);
  for (const GameFile& file : interfaceFiles()) expectHolds(game, file, Holds::asset, Holds::own);
}

TEST(Restore, OutcomeComesAfterThePause) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::asset, Holds::own);
  app.setText(kEdit, game.root());
  app.setText(kStatusLabel, kUnwritten);
  const DWORD clicked = GetTickCount();
  app.click(kRestore);
  Sleep(300);
  EXPECT_TRUE(answers(app.window()));
  EXPECT_TRUE(answers(app.window()));
  app.click(kRestore);
  const std::string outcome = waitForOutcome(app);
  EXPECT_GE(GetTickCount() - clicked, kPauseMs);
  EXPECT_EQ(outcome, "界面还原成功!!");
  app.setText(kStatusLabel, kUnwritten);
  EXPECT_EQ(waitForOutcome(app, 3 * kPauseMs), kUnwritten) << "the second click was ignored";
  for (const GameFile& file : allGameFiles()) expectHolds(game, file, Holds::own, Holds::nothing);
}

TEST(Replace, ClosingDuringThePauseEndsWithExitCodeZeroAfterIt) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  GameFolder game;
  for (const GameFile& file : interfaceFiles()) lay(game, file, Holds::own, Holds::nothing);
  app.setText(kEdit, game.root());
  ASSERT_TRUE(checkRadio(app, kRadio2));
  const DWORD clicked = GetTickCount();
  app.click(kReplace);
  Sleep(300);
  PostMessageA(app.window(), WM_CLOSE, 0, 0);
  DWORD code = STILL_ACTIVE;
  ASSERT_TRUE(app.waitForExit(15000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_GE(GetTickCount() - clicked, kPauseMs) << "the program ends once the pause is over";
  for (const GameFile& file : interfaceFiles()) expectHolds(game, file, Holds::asset, Holds::own);
}

TEST(Replace, RelativeFolderIsResolvedAgainstTheProgramsFolder) {
  const std::string programFolder = freshFolder("prog");
  const std::string elsewhere = freshFolder("cwd");
  {
    GameFolder game(false, programFolder + "\\game");
    for (const GameFile& file : loginFiles()) lay(game, file, Holds::own, Holds::nothing);
    StartOptions options;
    options.folder = programFolder;
    options.workingDirectory = elsewhere;
    ProgramUnderTest app(options);
    ASSERT_TRUE(app.window());
    EXPECT_EQ(runAction(app, "game", kRadio1, kReplace), "登陆皮肤替换成功!");
    for (const GameFile& file : loginFiles()) expectHolds(game, file, Holds::asset, Holds::own);
    EXPECT_TRUE(GameFolder(true, elsewhere).files().empty()) << "nothing in the start folder";
    PostMessageA(app.window(), WM_CLOSE, 0, 0);
    app.waitForExit(10000);
  }
  removeTree(programFolder);
  removeTree(elsewhere);
}

}  // namespace
}  // namespace orv::test
