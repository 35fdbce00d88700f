// Deploys the skin library beside the program and skins the main window
// before it is first shown.
#pragma once
#include <cstdint>

namespace orv {

// The main window's created event: skin number 3, then the aero effect.
void onMainWindowCreated();

// Writes the carried library as <program folder>\SkinH_EL.dll, hidden, when
// no entry of that name exists; nothing is reported.
void deploySkinLibrary();

// Hands a copy of skin file `number` (1 to 10; none otherwise) to the library.
void attachWindowSkin(std::int32_t number);

// Switches the library's aero effect on.
void enableSkinAero();

}  // namespace orv
