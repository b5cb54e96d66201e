// Preloaded into every program startup_ui_bench times, so that all of them are timed by the
// same observer whatever their code: it sees the first webkit_web_view_load_uri, follows that
// view's load-changed signal and, once the start page has finished loading, sends the driver
// the times of its phases on fd 3 (a socket the driver holds). Then it waits until the driver
// closes its end, so the driver can read what the process has spent before anything else runs.
#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>
#include <webkit2/webkit2.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "startup_phases.h"

namespace {

constexpr int kDriverFd = 3;

startup_probe::Phases phases;

std::int64_t NowNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

[[noreturn]] void TellDriverAndExit() {
  phases.loadFinishedNs = NowNs();
  if (::write(kDriverFd, &phases, sizeof phases) == sizeof phases) {
    char ignored;
    while (::read(kDriverFd, &ignored, 1) > 0) {}
  }
  std::fflush(nullptr);
  ::_exit(0);
}

bool IsStartPage(const char* uri) {
  return uri != nullptr && std::string_view(uri).ends_with("/sc/jz1");
}

void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer) {
  if (!IsStartPage(webkit_web_view_get_uri(view))) return;
  if (event == WEBKIT_LOAD_STARTED && phases.loadStartedNs == 0) phases.loadStartedNs = NowNs();
  if (event == WEBKIT_LOAD_FINISHED) TellDriverAndExit();
}

// Runs once all libraries are linked, before the program's own constructors and main().
__attribute__((constructor)) void OnLinked() {
  phases.linkedNs = NowNs();
  // The engine's helper processes get neither the hook nor the driver's socket.
  ::unsetenv("LD_PRELOAD");
  ::fcntl(kDriverFd, F_SETFD, FD_CLOEXEC);
}

}  // namespace

extern "C" void webkit_web_view_load_uri(WebKitWebView* view, const gchar* uri) {
  using LoadUri = void (*)(WebKitWebView*, const gchar*);
  static const auto engineLoadUri = reinterpret_cast<LoadUri>(::dlsym(RTLD_NEXT, __func__));
  if (IsStartPage(uri) && phases.loadAskedNs == 0) {
    phases.loadAskedNs = NowNs();
    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), nullptr);
  }
  engineLoadUri(view, uri);
}
