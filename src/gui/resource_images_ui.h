// Images by resource number, read from the "res" folder beside the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

namespace orvanta {

// An image that cannot be read comes back as a plain face of the fallback size, so a
// damaged install still shows usable buttons.
wxBitmap LoadResBitmap(int id, int fallbackWidth = 16, int fallbackHeight = 16);
// The picture as read, not kept: for one that is scaled before it is shown.
wxImage LoadResImage(int id, int fallbackWidth, int fallbackHeight);
wxIcon LoadResIcon(int id);

}  // namespace orvanta
