// orv_snap SHOT.bmp: starts the freshly built program from a fresh folder,
// saves a screenshot of its main window once it is shown, closes it and
// returns its exit code.
#include <cstdio>

#include "program_under_test.h"

int main(int argc, char** argv) {
  using namespace orv::test;
  if (argc != 2) {
    std::fprintf(stderr, "usage: orv_snap SHOT.bmp\n");
    return 2;
  }
  ProgramUnderTest app;
  if (!app.window()) {
    std::fprintf(stderr, "orv_snap: the main window did not appear\n");
    return 1;
  }
  Sleep(1000);
  Screenshot::ofWindow(app.window()).saveBmp(argv[1]);
  PostMessageA(app.window(), WM_CLOSE, 0, 0);
  DWORD code = 0;
  if (!app.waitForExit(10000, &code)) return 1;
  std::printf("OrvantaSkin.exe ended with exit code %ld\n", static_cast<long>(code));
  return static_cast<int>(code);
}
