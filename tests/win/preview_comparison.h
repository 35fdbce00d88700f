// Screenshots of a stretching picture box held against stretched reference
// pictures, and against earlier screenshots.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/picture/picture_decode.h"
#include "program_under_test.h"

namespace orv::test {

// Mean absolute difference per channel, in levels of 0 to 255.
struct ChannelDifference {
  double red = 0, green = 0, blue = 0;
  double worst() const;
  std::string format() const;  // "r/g/b"
};

// The screen rectangle of a window, and of its client area.
RECT outerRect(HWND hwnd);
RECT clientRectOnScreen(HWND hwnd);
// `inner` relative to the top-left of `outer`.
RECT relativeTo(const RECT& inner, const RECT& outer);

// Screenshots until two in a row are the same, so that a repaint in progress
// is not caught halfway; the last one after `attempts`.
Screenshot settledShot(RECT area, int attempts = 10);

// The part of `shot` at `area` (relative to the shot) against a reference of
// that size; nothing when the sizes differ.
std::optional<ChannelDifference> meanAbsoluteDifference(const Screenshot& shot, const RECT& area,
                                                        const DecodedPicture& reference);

// Pixels in `area` of `shot` whose colour is not `colour`.
int pixelsOtherThan(const Screenshot& shot, const RECT& area, COLORREF colour);
// Pixels of the one-pixel ring just outside `area` whose colour is `colour`.
int ringPixelsOf(const Screenshot& shot, const RECT& area, COLORREF colour);
// Pixels that differ between two shots of the same rectangle, outside `excluded`
// (relative to the shots); -1 when the shots differ in size.
int changedPixelsOutside(const Screenshot& before, const Screenshot& after,
                         const std::vector<RECT>& excluded = {});

// A picture file decoded with the picture boxes' decoder.
std::optional<DecodedPicture> loadPicture(const std::string& windowsPath);

}  // namespace orv::test
