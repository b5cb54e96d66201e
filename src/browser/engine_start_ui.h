// What the program tells the engine before its first web view.
#pragma once

namespace orvanta {

// Composited, the view does not repaint what a tooltip, a list or a dialog uncovered on a
// desktop without a compositor: the page's background stays there until the next load. The
// person's own setting stands.
void KeepEngineUncomposited();

// The engine's network process starts on the first question put to it, else only with the
// first load; asked at once, it starts on the second core while the window is made. Called
// before the toolkit is set up, it names the program first as the toolkit would, from its
// path: the engine keeps the pages' stored data in folders of that name.
void StartEngineNetworkAhead(const char* programPath);

}  // namespace orvanta
