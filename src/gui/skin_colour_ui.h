// The skin's blue: caption and frame bands, the ground behind the page and the bars, the
// status line, and an image whose file is missing.
#pragma once

#include <wx/colour.h>

namespace orvanta {

inline wxColour SkinColour() { return wxColour(28, 106, 168); }

}  // namespace orvanta
