// Images by resource number, read from the "res" folder beside the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

#include <functional>
#include <future>

namespace orvanta {

// An image that cannot be read comes back as a plain face of the fallback size, so a
// damaged install still shows usable buttons.
wxBitmap LoadResBitmap(int id, int fallbackWidth = 16, int fallbackHeight = 16);
// The picture as read, not kept: for one that is scaled before it is shown.
wxImage LoadResImage(int id, int fallbackWidth, int fallbackHeight);
wxIcon LoadResIcon(int id);
// The picture read on a thread of its own and passed through finish there: for one the first
// frame needs, so that its decoding runs beside the making of the window. Called from the
// window thread; once the future is ready, the image is the taker's alone.
std::future<wxImage> LoadResImageAside(int id, int fallbackWidth, int fallbackHeight,
                                       std::function<wxImage(const wxImage&)> finish);

}  // namespace orvanta
