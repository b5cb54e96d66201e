// Paints the main window's skin: the background picture under the controls and the caption
// that a caption layout describes.
#pragma once

#include <wx/dc.h>

#include "shell/caption_layout.h"

namespace orvanta {

void PaintSkinBackground(wxDC& dc, int windowWidth);
void PaintCaption(wxDC& dc, const CaptionLayout& layout);

}  // namespace orvanta
