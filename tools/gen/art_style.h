// The one look of every carried picture: night-blue panels in raised gold
// rims, jewels, cream lettering, and the dusk landscape behind the login
// screen, the banner and the server list.
#pragma once

#include <cstdint>

#include "raster.h"
#include "text.h"

namespace gen::style {

extern const Color kNightDeep, kNight, kNightLight, kGoldLight, kGold, kGoldDark, kBrownInk, kCream,
    kJade, kRuby, kSapphire, kAmber;

const Font& font();

// Metallic gold from light at the top to dark at the bottom.
std::vector<Stop> goldStops();
// A raised gold band `width` wide along the inside of `outer`; (y0, y1) spans the gradient.
void goldRim(Canvas& c, const Field& outer, float width, float y0, float y1, Rect clip = {});
// A recessed night-blue area: gradient fill with a sunken inner edge.
void sunkenPanel(Canvas& c, const Field& shape, float y0, float y1, Color top, Color bottom,
                 Rect clip = {});
// A cut jewel of radius `r`.
void jewel(Canvas& c, float cx, float cy, float r, Color base);
// Night sky, moon, mountains, castle and trees filling the whole canvas;
// the ground begins at `horizon`.
void duskScene(Canvas& c, float horizon, std::uint32_t seed, bool castle);

// Lettering: gold titles with a dark outline, cream labels.
TextStyle goldTitle(int size);
TextStyle creamLabel(int size);

}  // namespace gen::style
