// What a page session asks of the window that shows it. Every call comes on the window thread.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "jobs/page_job_kind.h"
#include "text/text.h"

namespace orvanta {

// What the page's job members show of the job it started last.
struct PageJob {
  PageJobKind kind = PageJobKind::kTopicNews;
  Text subject;                 // a topic number, a keyword or a media list file
  std::array<Text, 5> sources;  // the feeds or sites the job reads; empty until it knows
};

// What a job on its own thread may use of its page; both are safe from any thread.
struct PageJobRoad {
  // Runs call on the window thread; dropped once the page is gone.
  std::function<void(std::function<void()> call)> post;
  // Shows a job's box and returns once it is closed.
  std::function<void(const Text& message)> waitForMessage;
};
// A job's work; the call it returns runs on the window thread, and only while the page exists.
using PageJobWork = std::function<std::function<void()>(const PageJobRoad& road)>;

class CPageView {
 public:
  virtual ~CPageView() = default;
  // Own pages by their names relative to the working folder ("sc/jz").
  virtual void ShowOwnPage(const Text& relativeName) = 0;
  // In the place of the page shown, with no new history step.
  virtual void ReplaceWithOwnPage(const Text& relativeName) = 0;
  virtual void ReplaceCurrentEntry(const std::string& engineUrl) = 0;
  // The address of the page shown and of the last page that finished loading, as the engine
  // reports them.
  virtual std::string CurrentUrl() const = 0;
  virtual std::string LoadedUrl() const = 0;

  // The window's box, and the application's (for what the program itself failed to do).
  virtual void ShowMessage(const Text& text) = 0;
  virtual void ShowAppMessage(const Text& text) = 0;
  // A job's box holds no window; closed runs once it is gone, and only while the page exists.
  virtual void ShowJobMessage(const Text& text, std::function<void()> closed) = 0;
  virtual void SetStatusLine(const Text& text) = 0;
  virtual void ShowProgress(const Text& text) = 0;
  virtual void EndProgress() = 0;
  virtual void RefillTree() = 0;
  virtual void OpenInSecondaryWindow(const Text& address) = 0;
  virtual void ShowJob(const PageJob& job) = 0;
  virtual void RunJob(PageJobWork work) = 0;
};

}  // namespace orvanta
