// The entries of SkinH_EL.dll. No C++ exception or failure crosses them: each
// returns 0 on success and a SkinResult code otherwise.
#include "engine.h"

#include <windows.h>

#include <cstdint>

using orv::skin::SkinResult;
using orv::skin::toCode;

extern "C" {

// The text and the three integers are reserved; the program passes "" and 0.
int32_t __stdcall SkinH_AttachRes(const void* buffer, int32_t length, const char* /*text*/, int32_t,
                                  int32_t, int32_t) {
  return toCode(orv::skin::attachSkin(static_cast<const uint8_t*>(buffer), length));
}

int32_t __stdcall SkinH_SetAero(int32_t enable) {
  return toCode(orv::skin::setAero(enable != 0));
}

int32_t __stdcall SkinH_Detach() {
  return toCode(orv::skin::detachSkin());
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // Unloaded while windows still run through our procedures: hand them back.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) orv::skin::detachSkin();
  return TRUE;
}
}
