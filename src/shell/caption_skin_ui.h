// Paints the main window's skin: the background picture under the controls and the caption
// that a caption layout describes.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

#include "shell/caption_layout.h"

namespace orvanta {

// Starts reading and scaling the background picture for a window of that width on a thread of
// its own, so that the first paint at that width finds it ready. Called from the window
// thread before the window is made.
void ReadBackgroundAhead(int windowWidth);

class CSkinPainter {
 public:
  // fill is the colour below the picture, where the window is taller than it.
  void Paint(wxDC& dc, const CaptionLayout& layout, const wxSize& windowSize, const wxColour& fill);

 private:
  // The picture is scaled once per window width: every change of a control over the skin
  // repaints the skin beneath it, and a paint then only copies.
  wxBitmap m_background;
};

}  // namespace orvanta
