// Starts the toolkit once for all window tests; the loopback server stands in for every host.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "gui/window_thread_ui.h"
#include "support/ui_test_support.h"
#include "support/ui_test_watchdog.h"

int main(int argc, char** argv) {
  // Nothing a test starts may reach the internet: every download of a named host goes to a
  // dead loopback port; a test's own server on 127.0.0.1 is reached directly.
  setenv("http_proxy", "http://127.0.0.1:9", 1);
  setenv("no_proxy", "127.0.0.1,localhost", 1);
  // Histories and favorites that tests write never reach the user's own home, and the
  // engine's cache is not shared with a run beside this one.
  char home[] = "/tmp/orvanta-ui-home-XXXXXX";
  if (::mkdtemp(home) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", home, 1);
  setenv("XDG_DATA_HOME", home, 1);
  setenv("XDG_CACHE_HOME", home, 1);
  // The file dialog reads local folders only: no desktop file-system service to wait for.
  setenv("GIO_USE_VFS", "local", 1);
  setenv("GIO_USE_VOLUME_MONITOR", "unix", 1);
  // Nor an accessibility bus, whose start-up calls block while a dialog opens.
  setenv("NO_AT_BRIDGE", "1", 1);
  ::testing::InitGoogleTest(&argc, argv);
  // No test waits for a person: past this limit its menus and modal loops are closed.
  // The toolkit refuses options it does not know, so this one is taken out.
  long limitSeconds = 60;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--watchdog-seconds=", 19) == 0)
      limitSeconds = std::atol(argv[i] + 19);
    else
      argv[kept++] = argv[i];
  }
  argc = kept;
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
  ::testing::UnitTest::GetInstance()->listeners().Append(
      new orvanta::testing::UiTestWatchdog(std::chrono::seconds(limitSeconds)));
  const int result = RUN_ALL_TESTS();
  orvanta::CloseWindowThread();
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  std::fflush(nullptr);
  // Jobs may still run on their threads; the engine's teardown is not what is tested here.
  ::_exit(result);
}
