// Starts the toolkit once for all window tests; the loopback server stands in for every host.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "browser/window_thread_ui.h"

int main(int argc, char** argv) {
  // Nothing a test starts may reach the internet: every download goes to a dead loopback
  // port unless a test points it at its own server.
  setenv("http_proxy", "http://127.0.0.1:9", 1);
  setenv("no_proxy", "", 1);
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp());
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "no display for the window tests\n");
    return 1;
  }
  wxInitAllImageHandlers();
  orvanta::OpenWindowThread();
  const int result = RUN_ALL_TESTS();
  orvanta::CloseWindowThread();
  std::fflush(nullptr);
  // Jobs may still run on their threads; the engine's teardown is not what is tested here.
  ::_exit(result);
}
