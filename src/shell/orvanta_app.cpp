// The program: no arguments, everything under the current directory.
#include <wx/app.h>

#include <cstdio>
#include <unistd.h>

#include "browser/engine_start_ui.h"
#include "shell/navigator_app.h"

wxIMPLEMENT_APP_NO_MAIN(orvanta::CNavigatorApp);

int main(int argc, char** argv) {
  // Started before the toolkit opens its display, the engine's network process gets ready on
  // the second core while this one sets up the toolkit and makes the window.
  orvanta::KeepEngineUncomposited();
  orvanta::StartEngineNetworkAhead(argc > 0 ? argv[0] : nullptr);
  const int code = wxEntry(argc, argv);
  // Page jobs may still be downloading on their detached threads; their files are written
  // whole or not at all, so ending now loses nothing and skips tearing down under them.
  std::fflush(nullptr);
  ::_exit(code);
}
