#include "gui/window_thread_ui.h"

#include <wx/app.h>

#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace orvanta {
namespace {

std::mutex& RoadMutex() {
  static std::mutex mutex;
  return mutex;
}
bool g_roadOpen = false;

// However many jobs pages ask for, only this many threads work on them; the rest wait their
// turn in the order they came.
constexpr std::size_t kMostJobThreads = 8;

struct JobThreads {
  std::mutex mutex;
  std::size_t running = 0;
  std::deque<std::function<void()>> waiting;
};

JobThreads& Jobs() {
  static auto* jobs = new JobThreads;  // outlives every detached thread
  return *jobs;
}

void WorkThroughJobs(std::function<void()> job) {
  JobThreads& jobs = Jobs();
  for (;;) {
    job();
    std::lock_guard<std::mutex> lock(jobs.mutex);
    if (jobs.waiting.empty()) {
      --jobs.running;
      return;
    }
    job = std::move(jobs.waiting.front());
    jobs.waiting.pop_front();
  }
}

void RunOnJobThread(std::function<void()> job) {
  JobThreads& jobs = Jobs();
  std::lock_guard<std::mutex> lock(jobs.mutex);
  if (jobs.running == kMostJobThreads) {
    jobs.waiting.push_back(std::move(job));
    return;
  }
  try {
    std::thread(WorkThroughJobs, job).detach();
    ++jobs.running;
  } catch (const std::system_error&) {
    // No thread to be had now: a running one takes it when it is done.
    jobs.waiting.push_back(std::move(job));
  }
}

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
  RunOnJobThread([alive = std::move(alive), work = std::move(work)] {
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
  });
}

}  // namespace orvanta
