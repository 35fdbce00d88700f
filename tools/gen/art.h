// Every picture the program carries, drawn at its final size. Colour-keyed
// pictures come back as art on transparency; the caller keys them on green.
#pragma once

#include "raster.h"

namespace gen {

// Login screen.
Canvas loginBackground();  // 640x480, full frame
Canvas loginButtons();     // 960x55: four buttons, then the same four lit
Canvas loginLogo();        // 160x76, with alpha

// Game interface.
constexpr int kMenuButtons = 8;
Canvas menuButton(int index);  // 40x126: normal, lit and pressed faces
Canvas menuBar();              // 350x55
Canvas hotKeyBar();            // 47x261
enum class GaugeColouring { energy, verdant, ember, arcane };
Canvas gauge(GaugeColouring colouring);  // 101x73
enum class BarKind { experience, health, spirit };
Canvas bar(BarKind kind);  // 78x7, full frame
Canvas statusFrame();      // 214x107

// Previews and the tool's own pictures.
Canvas previewInterface();   // 802x606
Canvas previewServerList();  // 804x627
Canvas banner();             // 563x135
Canvas emblemIcon();         // 32x32, with alpha

}  // namespace gen
