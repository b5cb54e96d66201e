// The program: no arguments, everything under the current directory.
#include <wx/app.h>

#include <cstdio>
#include <unistd.h>

#include "shell/navigator_app.h"

wxIMPLEMENT_APP_NO_MAIN(orvanta::CNavigatorApp);

int main(int argc, char** argv) {
  const int code = wxEntry(argc, argv);
  // Page jobs may still be downloading on their detached threads; their files are written
  // whole or not at all, so ending now loses nothing and skips tearing down under them.
  std::fflush(nullptr);
  ::_exit(code);
}
