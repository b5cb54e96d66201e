#include "browser/browser_page_view_ui.h"

#include <future>
#include <string>
#include <utility>

#include "browser/browser_address.h"
#include "browser/browser_page_dlg.h"
#include "browser/page_host.h"
#include "gui/message_box_ui.h"
#include "gui/window_thread_ui.h"

namespace orvanta {
namespace {

// Shows the job's message and holds the job, not the windows, until the box is closed.
void WaitForJobMessageBox(const Text& message) {
  auto shown = std::make_shared<std::promise<void>>();
  std::future<void> closed = shown->get_future();
  PostToWindowThread(
      [message, shown] { ShowJobMessageBox(message, [shown] { shown->set_value(); }); });
  closed.wait();  // also ends when the call is dropped at exit
}

}  // namespace

void CBrowserPageView::ShowOwnPage(const Text& relativeName) {
  m_page.Browser().Navigate(LocalFullName(relativeName));
}

void CBrowserPageView::ReplaceWithOwnPage(const Text& relativeName) {
  m_page.Browser().ReplaceWith(AddressToUrl(LocalFullName(relativeName)));
}

void CBrowserPageView::ReplaceCurrentEntry(const std::string& engineUrl) {
  m_page.Browser().ReplaceWith(engineUrl);
}

std::string CBrowserPageView::CurrentUrl() const { return m_page.Browser().CurrentUrl(); }
std::string CBrowserPageView::LoadedUrl() const { return m_page.Browser().LoadedURL(); }
void CBrowserPageView::ShowMessage(const Text& text) { ShowWindowMessageBox(text); }
void CBrowserPageView::ShowAppMessage(const Text& text) { ShowAppMessageBox(text); }

void CBrowserPageView::ShowJobMessage(const Text& text, std::function<void()> closed) {
  if (!closed) return ShowJobMessageBox(text, {});
  // The box holds no window; the page may be gone by the time it is closed.
  const std::weak_ptr<bool> alive = m_pAlive;
  ShowJobMessageBox(text, [alive, closed = std::move(closed)] {
    if (!alive.expired()) closed();
  });
}

void CBrowserPageView::SetStatusLine(const Text& text) {
  if (m_pHost) m_pHost->SetStatusLineText(text);
}

void CBrowserPageView::ShowProgress(const Text& text) {
  if (m_pHost) m_pHost->ShowJobProgress(text);
}

void CBrowserPageView::EndProgress() {
  if (m_pHost) m_pHost->EndJobProgress();
}

void CBrowserPageView::RefillTree() { m_page.FillSubscriptionTree(); }

void CBrowserPageView::OpenInSecondaryWindow(const Text& address) {
  if (m_pHost) m_pHost->OpenSecondaryWindow().Browser().Navigate(address);
}

void CBrowserPageView::ShowJob(const PageJob& job) {
  m_page.m_strSubject = job.subject;
  m_page.m_strJobNumber = std::to_string(PageJobNumber(job.kind));
  m_page.m_strSource1 = job.sources[0];
  m_page.m_strSource2 = job.sources[1];
  m_page.m_strSource3 = job.sources[2];
  m_page.m_strSource4 = job.sources[3];
  m_page.m_strSource5 = job.sources[4];
}

void CBrowserPageView::RunJob(PageJobWork work) {
  const std::weak_ptr<bool> alive = m_pAlive;
  const PageJobRoad road{[alive](std::function<void()> call) {
                           PostToWindowThread([alive, call = std::move(call)] {
                             if (!alive.expired()) call();
                           });
                         },
                         WaitForJobMessageBox};
  StartDetachedJob(alive, [work = std::move(work), road] { return work(road); });
}

}  // namespace orvanta
