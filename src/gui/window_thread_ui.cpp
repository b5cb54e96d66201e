#include "gui/window_thread_ui.h"

#include <wx/app.h>

#include <mutex>
#include <thread>

namespace orvanta {
namespace {

std::mutex& RoadMutex() {
  static std::mutex mutex;
  return mutex;
}
bool g_roadOpen = false;

}  // namespace

void OpenWindowThread() {
  std::lock_guard<std::mutex> lock(RoadMutex());
  g_roadOpen = true;
}

void CloseWindowThread() {
  std::lock_guard<std::mutex> lock(RoadMutex());
  g_roadOpen = false;
}

void PostToWindowThread(std::function<void()> call) {
  // Held while posting, so the app cannot be torn down between the check and the call.
  std::lock_guard<std::mutex> lock(RoadMutex());
  if (!g_roadOpen || wxTheApp == nullptr) return;
  wxTheApp->CallAfter([call = std::move(call)] {
    try {
      call();
    } catch (...) {
      // An event handler must not let anything escape into the toolkit.
    }
  });
}

void StartDetachedJob(std::weak_ptr<void> alive, std::function<std::function<void()>()> work) {
  std::thread([alive = std::move(alive), work = std::move(work)] {
    std::function<void()> done;
    try {
      done = work();
    } catch (...) {
      return;  // nothing crosses the thread's edge
    }
    if (!done) return;
    PostToWindowThread([alive, done = std::move(done)] {
      if (!alive.expired()) done();
    });
  }).detach();
}

}  // namespace orvanta
