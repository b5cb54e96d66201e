// Fonts asked for by the height of their character cell in pixels.
#pragma once

#include <wx/font.h>

namespace orvanta {

// The largest point size of info's face whose character cell is at most pixelHeight pixels
// high on the screen: what wxFontInfo(wxSize(0, pixelHeight)) gives, found in about three
// measurements where the toolkit's own search takes six to eight, each of which loads a font.
// info names no size; the result is never below one point.
wxFont MakePixelHeightFont(const wxFontInfo& info, int pixelHeight);

}  // namespace orvanta
