// Start-up time of the main window: from creating it to the first page shown (the start
// page loaded by the engine), for a first start in an empty folder and a second start in
// the same folder. Prints its figures; run under a display, for example:
//   xvfb-run -a build/bench/startup_ui_bench 10
#include <wx/app.h>
#include <wx/evtloop.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/window_thread_ui.h"
#include "shell/navigator_dlg.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool ShowsStartPage(orvanta::CNavigatorDlg& window) {
  const std::string& url = window.HomePage().Browser().LoadedURL();
  return url.size() >= 7 && url.compare(url.size() - 7, 7, "/sc/jz1") == 0;
}

// Creates the main window and runs the event loop until its start page is shown; -1 when it
// is not shown within 30 s.
double TimeOneStart() {
  const Clock::time_point start = Clock::now();
  auto* window = new orvanta::CNavigatorDlg();
  window->Show();
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  double elapsed = -1;
  while (MillisecondsSince(start) < 30000) {
    if (ShowsStartPage(*window)) {
      elapsed = MillisecondsSince(start);
      break;
    }
    loop->DispatchTimeout(5);
  }
  window->Destroy();
  for (int i = 0; i < 20; ++i) loop->DispatchTimeout(5);  // let the window go
  return elapsed;
}

void Report(const char* what, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const double median = samples[samples.size() / 2];
  std::printf("%-34s runs %2zu  min %7.1f ms  median %7.1f ms  max %7.1f ms\n", what,
              samples.size(), samples.front(), median, samples.back());
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = std::clamp(argc > 1 ? std::atoi(argv[1]) : 5, 1, 100);
  const Clock::time_point processStart = Clock::now();
  wxApp::SetInstance(new wxApp());
  int toolkitArgc = 1;  // the run count is ours, not the toolkit's
  if (!wxEntryStart(toolkitArgc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "startup_ui_bench needs a display\n");
    return 1;
  }
  const double toolkit = MillisecondsSince(processStart);
  orvanta::OpenWindowThread();
  wxGUIEventLoop loop;
  wxEventLoopActivator active(&loop);

  std::vector<double> first, second;
  for (int run = 0; run < runs; ++run) {
    char name[] = "/tmp/orvanta-startup-XXXXXX";
    if (::mkdtemp(name) == nullptr || ::chdir(name) != 0) return 1;
    first.push_back(TimeOneStart());
    second.push_back(TimeOneStart());
    if (::chdir("/tmp") != 0) return 1;
    (void)std::system((std::string("rm -rf '") + name + "'").c_str());
  }
  std::printf("toolkit start                      %7.1f ms\n", toolkit);
  Report("first start to start page shown", first);
  Report("second start to start page shown", second);
  std::fflush(nullptr);
  orvanta::CloseWindowThread();
  ::_exit(0);  // the engine's teardown is not what is measured
}
