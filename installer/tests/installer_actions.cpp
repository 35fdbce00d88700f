#include "installer_actions.h"

namespace orv::test {

ProgramUnderTest& sharedProgram() {
  static std::unique_ptr<ProgramUnderTest> app;
  if (!app || !app->window() || !IsWindow(app->window()))
    app = std::make_unique<ProgramUnderTest>();
  return *app;
}

bool checkRadio(const ProgramUnderTest& app, int radio) {
  if (app.checked(radio)) return true;
  app.click(radio);
  app.settle();
  return app.checked(radio);
}

void uncheckAllRadios(const ProgramUnderTest& app) {
  for (int radio : {kRadio1, kRadio2, kRadio3})
    SendMessageTimeoutA(app.control(radio), BM_SETCHECK, BST_UNCHECKED, 0, SMTO_ABORTIFHUNG, 5000,
                        nullptr);
}

std::string waitForOutcome(const ProgramUnderTest& app, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    const std::string text = app.text(kStatusLabel);
    if (text != kUnwritten || GetTickCount() - start >= timeoutMs) return text;
    Sleep(20);
  }
}

std::string runAction(const ProgramUnderTest& app, const std::string& folder, int radio,
                      int button) {
  app.setText(kEdit, folder);
  if (radio)
    checkRadio(app, radio);
  else if (button == kReplace)
    uncheckAllRadios(app);
  app.setText(kStatusLabel, kUnwritten);
  app.click(button);
  app.settle();
  return waitForOutcome(app);
}

}  // namespace orv::test
