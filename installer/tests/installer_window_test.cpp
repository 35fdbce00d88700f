// Replace and Restore as the window lives them: the directory guard, no mode
// chosen, the pause before the outcome, clicks and closing during the pause,
// and a relative game folder.
#include <gtest/gtest.h>
#include <shlobj.h>

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

// The browser opens on the desktop; OK there gives the desktop's folder.
std::string desktopFolder() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path);
  return path;
}

struct GuardCase {
  const char* name;
  int button;
  int answer;  // the browser's button: IDOK or IDCANCEL
};

const GuardCase kGuardCases[] = {
    {"ReplaceCancelled", kReplace, IDCANCEL},
    {"RestoreCancelled", kRestore, IDCANCEL},
    {"ReplaceWithAFolderChosen", kReplace, IDOK},
    {"RestoreWithAFolderChosen", kRestore, IDOK},
};

class Guard : public testing::TestWithParam<GuardCase> {};

TEST_P(Guard, EmptyEditBoxAsksForTheFolderAndChangesNothing) {
  const GuardCase& c = GetParam();
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  GameFolder game;
  for (const GameFile& file : allGameFiles()) lay(game, file, Holds::own, Holds::own);
  ASSERT_TRUE(checkRadio(app, kRadio1));
  app.setText(kStatusLabel, kUnwritten);
  app.click(c.button);

  HWND box = waitForTopLevel(app.processId(), "信息：", "", 10000);
  ASSERT_TRUE(box) << "the message box appears";
  EXPECT_EQ(staticText(box), "请选择Orvanta游戏目录!");
  EXPECT_FALSE(IsWindowEnabled(app.window())) << "the box is task-modal";
  PostMessageA(box, WM_COMMAND, IDOK, 0);

  HWND browser = waitForTopLevel(app.processId(), "", "#32770", 10000);
  for (DWORD start = GetTickCount(); browser && browser == box && GetTickCount() - start < 10000;)
    browser = waitForTopLevel(app.processId(), "", "#32770", 10000);
  ASSERT_TRUE(browser) << "then the folder browser";
  EXPECT_TRUE(findDescendant(browser, "Static", "请选择Orvanta安装的文件夹"));
  EXPECT_FALSE(IsWindowEnabled(app.window())) << "the main window waits for the browser";
  PostMessageA(browser, WM_COMMAND, MAKEWPARAM(c.answer, BN_CLICKED), 0);
  for (DWORD start = GetTickCount(); IsWindow(browser) && GetTickCount() - start < 10000;)
    Sleep(50);
  app.settle();
  Sleep(300);
  app.settle();

  EXPECT_TRUE(IsWindowEnabled(app.window())) << "enabled again once the browser is gone";
  EXPECT_EQ(app.text(kEdit), c.answer == IDOK ? desktopFolder() : "");
  EXPECT_EQ(app.text(kStatusLabel), kUnwritten) << "the guard stops the action";
  Sleep(kPauseMs + 500);
  EXPECT_EQ(app.text(kStatusLabel), kUnwritten) << "and no outcome follows later";
  for (const GameFile& file : allGameFiles()) expectHolds(game, file, Holds::own, Holds::own);
}

INSTANTIATE_TEST_SUITE_P(ReplaceAndRestore, Guard, testing::ValuesIn(kGuardCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The folder text is used as it stands: blanks are a folder name like any
// other, so no question is asked and the action fails on the missing files.
TEST(Guard, ATextOfBlanksPassesAndTheActionRuns) {
  ProgramUnderTest app;
  ASSERT_TRUE(app.window());
  EXPECT_EQ(runAction(app, "   ", kRadio1, kReplace), "登陆皮肤替换失败!");
  EXPECT_FALSE(waitForTopLevel(app.processId(), "信息：", "", 500)) << "no message box";
  EXPECT_EQ(app.text(kEdit), "   ") << "the edit box keeps the text";
}

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

  RECT labelArea{};
  GetWindowRect(app.control(kStatusLabel), &labelArea);
  const Screenshot before = Screenshot::ofScreen(labelArea);
  ASSERT_GT(before.width(), 0);

  const DWORD clicked = GetTickCount();
  app.click(kReplace);
  Sleep(300);
  // During the pause: the window answers, repaints the label with a new text
  // (seen on the screen), and ignores a second Replace and a Restore.
  EXPECT_TRUE(answers(app.window()));
  app.setText(kStatusLabel, "正在替换……");
  EXPECT_EQ(app.text(kStatusLabel), "正在替换……");
  Sleep(100);
  const Screenshot during = Screenshot::ofScreen(labelArea);
  EXPECT_LT(GetTickCount() - clicked, kPauseMs) << "checked within the pause";
  ASSERT_EQ(during.width(), before.width());
  int changed = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) changed += before.pixel(x, y) != during.pixel(x, y);
  EXPECT_GT(changed, 30) << "the new text is drawn while the pause goes on";
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
