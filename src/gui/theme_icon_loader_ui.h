// The desktop theme's icon loader, opened before the first frame needs it.
#pragma once

namespace orvanta {

// The theme draws the tree's expanders from SVG icons, and the first such draw opens the SVG
// image loader and its library: tens of milliseconds of the window thread in the first frame.
// This opens it on a thread of its own while the window is made. Called once, at start.
void OpenThemeIconLoaderAside();

}  // namespace orvanta
