// The entries of SkinH_EL.dll as the program calls them after LoadLibraryA and
// GetProcAddress. Both return 0 on success and a non-zero code otherwise.
//
//   SkinH_AttachRes(skin file bytes, their length, "", 0, 0, 0): skins every
//     window of the process, present and future; the bytes may be freed as
//     soon as it returns.
//   SkinH_SetAero(1 or 0): switches the glass effect on or off.
//   SkinH_Detach(): gives every window its plain look back.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define ORV_SKINH_CALL __stdcall
#else
#define ORV_SKINH_CALL
#endif

extern "C" {
using SkinHAttachResFn = int32_t(ORV_SKINH_CALL*)(const void* buffer, int32_t length,
                                                  const char* text, int32_t, int32_t, int32_t);
using SkinHSetAeroFn = int32_t(ORV_SKINH_CALL*)(int32_t enable);
using SkinHDetachFn = int32_t(ORV_SKINH_CALL*)();
}

constexpr const char* kSkinHLibraryName = "SkinH_EL.dll";
constexpr const char* kSkinHAttachResName = "SkinH_AttachRes";
constexpr const char* kSkinHSetAeroName = "SkinH_SetAero";
constexpr const char* kSkinHDetachName = "SkinH_Detach";
