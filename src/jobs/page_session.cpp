#include "jobs/page_session.h"

#include <memory>
#include <utility>

#include "files/write_failure_message.h"
#include "files/write_file.h"
#include "jobs/media_list_job.h"
#include "pages/feed_progress.h"
#include "pages/media_kinds.h"
#include "pages/page_files.h"
#include "subscriptions/change_subscription.h"
#include "subscriptions/subscription_file.h"

namespace orvanta {
namespace {

bool IsOwnAddress(const Text& url) {
  for (const char* marker :
       {"ttp://dy/#", "ttp://ss/#", "ttp://dh/#", "temp/~", "sc/jz", "sc/~astq"}) {
    if (ContainsBeyondStart(url, marker)) return true;
  }
  return false;
}

bool IsLoadingPageUrl(std::string_view url) {
  const std::string tail = "/" + std::string(kLoadingPageFile);
  return url.size() >= tail.size() && url.substr(url.size() - tail.size()) == tail;
}

}  // namespace

void CPageSession::StatusTextChanged(const Text& text, bool fromOwnPage) {
  if (RememberHoverUrl(m_strHoverUrl, text)) m_bHoverFromOwnPage = fromOwnPage;
  m_bStatusShowsLink = !text.empty();
  m_view.SetStatusLine(StatusLineText(text));
}

bool CPageSession::Navigated(const Text& url) {
  // What the pointer rested on belonged to the page before.
  m_strHoverUrl.clear();
  m_bHoverFromOwnPage = false;
  if (m_bStatusShowsLink) m_view.SetStatusLine(StatusLineText(Text()));
  m_bStatusShowsLink = false;
  const MediaKindRow* media = MediaKindOfAddress(url);
  if (media && m_nMediaLists < 1) {
    ++m_nMediaLists;
    OpenMediaLists(Text(media->listFile));
  }
  return !IsOwnAddress(url);
}

void CPageSession::DocumentCompleted() {
  if (m_pPendingFinish && ShowsLoadingPage()) std::exchange(m_pPendingFinish, nullptr)();
}

LinkAction CPageSession::FollowNewWindow(const Text& requestUrl) {
  const LinkAction action = RouteNewWindow(m_strHoverUrl, m_bHoverFromOwnPage, requestUrl);
  switch (action.kind) {
    case LinkActionKind::kChangeSubscription:
      ChangeSubscription(action.keyword, action.flag);
      break;
    case LinkActionKind::kOpenTopic:
      OpenTopicPage(action.number);
      break;
    case LinkActionKind::kKeywordNews:
      OpenKeywordNewsPage(action.keyword);
      break;
    case LinkActionKind::kShowMessage:
      m_view.ShowMessage(action.message);
      break;
    case LinkActionKind::kOpenAddress:
      m_view.OpenInSecondaryWindow(action.address);
      break;
    case LinkActionKind::kOpenInNewWindow:
    case LinkActionKind::kNothing:
      break;
  }
  return action;
}

void CPageSession::ChangeSubscription(const Text& keyword, int flag) {
  const SubscriptionChange change =
      ::orvanta::ChangeSubscription(std::string(kSubscriptionFileName), keyword, flag);
  m_view.ShowMessage(change.message);
  if (change.RefillTree()) m_view.RefillTree();
}

void CPageSession::ShowLoadingPage() {
  // A job started from the loading page itself still came from the page before it.
  const std::string current = m_view.CurrentUrl();
  if (!IsLoadingPageUrl(current)) m_strBeforeLoading = current;
  ++m_nLoadingTicket;
  m_pPendingFinish = nullptr;
  m_view.ShowOwnPage(Text(kLoadingPageFile));
}

void CPageSession::ShowHelpPage() {
  const std::string name(kHelpPageFile);
  if (!WriteFileAtomically(name, HelpPageText(), Durability::kNoFlush))
    return m_view.ShowAppMessage(WriteFailureMessage(name));
  m_view.ShowOwnPage(Text(kHelpPageFile));
}

bool CPageSession::GiveUpLoadingPage() {
  if (!IsLoadingPageUrl(m_view.CurrentUrl())) return false;
  ++m_nLoadingTicket;
  m_pPendingFinish = nullptr;
  return true;
}

bool CPageSession::ShowsLoadingPage() const {
  return IsLoadingPageUrl(m_view.CurrentUrl()) && IsLoadingPageUrl(m_view.LoadedUrl());
}

void CPageSession::OpenTopicPage(const Text& number) {
  ShowLoadingPage();
  StartPageJob(PageJobKind::kTopicNews, number, {});
}

void CPageSession::OpenKeywordNewsPage(const Text& keyword) {
  ShowLoadingPage();
  // The feeds are known once the job has read the sources file.
  StartPageJob(PageJobKind::kKeywordNews, keyword, {});
}

void CPageSession::OpenMediaLists(const Text& listFile) {
  const MediaListSources sites = ChooseMediaListSources(listFile);
  StartPageJob(PageJobKind::kMediaList, listFile,
               {sites.source1, sites.source2, sites.source3, sites.source4, sites.source5});
}

void CPageSession::StartPageJob(PageJobKind kind, const Text& subject,
                                const std::array<Text, 5>& sources) {
  const PageJob job{kind, subject, sources};
  ++m_nJobsStarted;
  m_view.ShowJob(job);
  if (kind != PageJobKind::kMediaList) return StartNewsJob(job);
  const MediaListSources sites{sources[0], sources[1], sources[2], sources[3], sources[4]};
  m_view.RunJob([subject, sites](const PageJobRoad& road) -> std::function<void()> {
    RunMediaListJob(subject, sites, road.waitForMessage);
    return {};
  });
}

void CPageSession::StartNewsJob(const PageJob& job) {
  // The job takes its own copies now: the page may change or vanish while it runs.
  const int ticket = m_nLoadingTicket;
  const int serial = m_nJobsStarted;
  auto finish = [this, ticket](NewsJobResult result) -> std::function<void()> {
    return [this, ticket, result = std::move(result)] {
      m_newsJobs.Ended();
      m_view.EndProgress();
      if (result.sourcesReport) m_view.ShowJobMessage(*result.sourcesReport, {});
      // A job the user stopped, or one a later job replaced, has no claim on the page: its
      // failure would speak of nothing the user still waits for.
      if (!result.message || ticket != m_nLoadingTicket) return FinishNewsJob(ticket, result);
      m_view.ShowJobMessage(*result.message,
                            [this, ticket, result] { FinishNewsJob(ticket, result); });
    };
  };
  auto work = [this, job, serial, finish](const PageJobRoad& road) -> std::function<void()> {
    // The window's status line follows the feeds as they come in.
    const FeedProgressSink progress = [this, road](const FeedProgress& now) {
      road.post([this, text = FeedProgressStatusText(now)] { m_view.ShowProgress(text); });
    };
    // What the keyword job really reads, unless a later job took the members over.
    const FeedsChosenSink chosen = [this, road, job, serial](const std::array<Text, 5>& feeds) {
      road.post([this, job, serial, feeds] {
        if (serial != m_nJobsStarted) return;
        PageJob known = job;
        known.sources = feeds;
        m_view.ShowJob(known);
      });
    };
    NewsJobResult result;
    try {
      result = job.kind == PageJobKind::kKeywordNews
                   ? RunKeywordNewsJob(job.subject, progress, chosen)
                   : RunTopicNewsJob(job.subject, progress);
    } catch (...) {
      // Nothing written: the page goes back to where it was, and the slot is free again.
    }
    return finish(std::move(result));
  };
  m_newsJobs.Start([this, work] { m_view.RunJob(work); });
}

void CPageSession::FinishNewsJob(int ticket, const NewsJobResult& result) {
  // The user went elsewhere, or a later job took the loading page over: nothing to show.
  if (ticket != m_nLoadingTicket) return;
  if (!ShowsLoadingPage()) {
    // Not loaded yet: finish as soon as it is, unless the user leaves it first.
    if (IsLoadingPageUrl(m_view.CurrentUrl()))
      m_pPendingFinish = [this, ticket, result] { FinishNewsJob(ticket, result); };
    return;
  }
  // The loading page gives its place in the history to what the job brought: the first
  // page, or, when it wrote none, the page the user came from.
  if (!result.firstPage.empty())
    m_view.ReplaceWithOwnPage(result.firstPage);
  else if (!m_strBeforeLoading.empty())
    m_view.ReplaceCurrentEntry(m_strBeforeLoading);
}

}  // namespace orvanta
