// PageFormat: how the module writes what it hands the page: JSON strings, CSS colours, rectangles.
#pragma once

#include "game/colours.h"
#include "game/twips.h"

#include <string>
#include <string_view>

// text as a JSON string, quotes included; UTF-8 passes through as it is.
std::string Quoted(std::string_view text);
// A colour of the core (red in the low byte) as CSS writes it: "#rrggbb".
std::string CssColour(Colour colour);
// A rectangle as the page places an element: [left, top, width, height] in CSS pixels.
std::string Json(const PixelRect& rect);
