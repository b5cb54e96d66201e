// Starts the toolkit once for all window tests; the loopback server stands in for every host.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "gui/window_thread_ui.h"
#include "support/ui_test_support.h"

int main(int argc, char** argv) {
  // Nothing a test starts may reach the internet: every download of a named host goes to a
  // dead loopback port; a test's own server on 127.0.0.1 is reached directly.
  setenv("http_proxy", "http://127.0.0.1:9", 1);
  setenv("no_proxy", "127.0.0.1,localhost", 1);
  // Histories and favorites that tests write never reach the user's own home.
  char home[] = "/tmp/orvanta-ui-home-XXXXXX";
  if (::mkdtemp(home) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", home, 1);
  setenv("XDG_DATA_HOME", home, 1);
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp());
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "no display for the window tests\n");
    return 1;
  }
  wxInitAllImageHandlers();
  // As in the program: a toolkit note never becomes a box that waits for a click.
  delete wxLog::SetActiveTarget(new wxLogStderr());
  orvanta::OpenWindowThread();
  orvanta::testing::FailOnMessageBoxes();
  const int result = RUN_ALL_TESTS();
  orvanta::CloseWindowThread();
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  std::fflush(nullptr);
  // Jobs may still run on their threads; the engine's teardown is not what is tested here.
  ::_exit(result);
}
