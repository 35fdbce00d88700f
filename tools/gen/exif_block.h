// The Exif APP1 payload carried by the play-screen preview: orientation 1,
// resolution, software and picture size, and no thumbnail (no second IFD).
#pragma once

#include "byte_writer.h"

namespace gen {

// The payload after the segment length, starting with "Exif\0\0".
Bytes exifPayload(int width, int height);

}  // namespace gen
