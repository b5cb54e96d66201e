// Everything a browser page decides that needs no window: what a routed link does, which job
// a page starts and when, the loading page's ticket, and what a finished job shows.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "jobs/link_route.h"
#include "jobs/news_job_slot.h"
#include "jobs/news_jobs.h"
#include "jobs/page_view.h"
#include "text/text.h"

namespace orvanta {

class CPageSession {
 public:
  explicit CPageSession(CPageView& view) : m_view(view) {}
  CPageSession(const CPageSession&) = delete;
  CPageSession& operator=(const CPageSession&) = delete;

  // The engine's events, as the page receives them.
  void StatusTextChanged(const Text& text, bool fromOwnPage);
  // url as the control's LocationURL gives it. Whether the address box shows the address:
  // the program's own pages and pseudo-links never do.
  bool Navigated(const Text& url);
  void DocumentCompleted();
  // A new-window request for requestUrl: does what the link stands for and returns the
  // decision, whose window part (target, cancel, a new window for the link) is the page's.
  LinkAction FollowNewWindow(const Text& requestUrl);

  // flag 1 subscribes, 0 unsubscribes; tells the user what happened.
  void ChangeSubscription(const Text& keyword, int flag);
  void ShowLoadingPage();
  // Writes the help page afresh and shows it; a failure to write is told instead.
  void ShowHelpPage();
  void OpenTopicPage(const Text& number);
  void OpenKeywordNewsPage(const Text& keyword);
  void OpenMediaLists(const Text& listFile);
  // Stop: a job's loading page gives up its claim on the page. Whether it was shown.
  bool GiveUpLoadingPage();

  const Text& HoverUrl() const { return m_strHoverUrl; }
  // Media list jobs started since the last reset; only the first media page after one starts
  // a job.
  int MediaLists() const { return m_nMediaLists; }
  void ResetMediaLists() { m_nMediaLists = 0; }

 private:
  void StartPageJob(PageJobKind kind, const Text& subject, const std::array<Text, 5>& sources);
  void StartNewsJob(const PageJob& job);
  // Whether the loading page has finished loading and nothing else has started since.
  bool ShowsLoadingPage() const;
  void FinishNewsJob(int ticket, const NewsJobResult& result);

  CPageView& m_view;
  Text m_strHoverUrl;
  // Only a link of the program's own pages may act as a pseudo-link.
  bool m_bHoverFromOwnPage = false;
  // The status line shows a hovered link, which the next page makes stale.
  bool m_bStatusShowsLink = false;
  int m_nMediaLists = 0;
  // Counts the jobs started, so that a job's late word about itself cannot pass for a later one's.
  int m_nJobsStarted = 0;
  // Which showing of the loading page the running news job answers, and what it replaced.
  int m_nLoadingTicket = 0;
  std::string m_strBeforeLoading;
  std::function<void()> m_pPendingFinish;
  CNewsJobSlot m_newsJobs;
};

}  // namespace orvanta
