// Entry point of OrvantaSkin.exe. The command line is not looked at.
#include <windows.h>

#include "application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return orv::runApplication(instance);
}
