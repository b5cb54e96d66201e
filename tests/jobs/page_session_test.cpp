#include "jobs/page_session.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "favorites/temp_folder.h"
#include "files/write_failure_message.h"
#include "jobs/media_list_job.h"
#include "net/service_hosts.h"
#include "pages/feed_progress.h"
#include "pages/media_kinds.h"
#include "pages/media_list_markup.h"
#include "pages/page_files.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

// The window's side, without a window: what the session asked for, in order. Jobs wait
// until the test runs them, and what they post waits until the test delivers it, so that
// every order of events can be played.
class FakeView : public CPageView {
 public:
  void ShowOwnPage(const Text& name) override {
    calls.push_back("show " + name);
    current = kFolder + name;
  }
  void ReplaceWithOwnPage(const Text& name) override {
    calls.push_back("replace " + name);
    current = loaded = kFolder + name;
  }
  void ReplaceCurrentEntry(const std::string& url) override {
    calls.push_back("replace " + url);
    current = loaded = url;
  }
  std::string CurrentUrl() const override { return current; }
  std::string LoadedUrl() const override { return loaded; }
  void ShowMessage(const Text& text) override { calls.push_back("message " + text); }
  void ShowAppMessage(const Text& text) override { calls.push_back("app message " + text); }
  void ShowJobMessage(const Text& text, std::function<void()> closed) override {
    calls.push_back("job message " + text);
    if (closed) closed();
  }
  void SetStatusLine(const Text& text) override { statusLines.push_back(text); }
  void ShowProgress(const Text& text) override { progress.push_back(text); }
  void EndProgress() override { calls.push_back("end progress"); }
  void RefillTree() override { calls.push_back("refill tree"); }
  void OpenInSecondaryWindow(const Text& address) override {
    calls.push_back("secondary " + address);
  }
  void ShowJob(const PageJob& job) override { jobs.push_back(job); }
  void RunJob(PageJobWork work) override { queued.push_back(std::move(work)); }

  // The person opens a page, and the engine finishes loading it.
  void Open(const std::string& name) { current = loaded = kFolder + name; }
  void FinishLoading() { loaded = current; }

  // Runs the oldest job on this thread; what it returns is posted like the rest.
  void RunNextJob() {
    ASSERT_FALSE(queued.empty());
    PageJobWork work = std::move(queued.front());
    queued.pop_front();
    const PageJobRoad road{
        [this](std::function<void()> call) { posted.push_back(std::move(call)); },
        [this](const Text& message) { waited.push_back(message); }};
    if (auto done = work(road)) posted.push_back(std::move(done));
  }
  void Deliver() {
    while (!posted.empty()) {
      auto call = std::move(posted.front());
      posted.pop_front();
      call();
    }
  }

  static inline const std::string kFolder = "orvanta:///work/";
  std::string current, loaded;
  std::vector<std::string> calls;
  std::vector<Text> statusLines, progress, waited;
  std::vector<PageJob> jobs;
  std::deque<PageJobWork> queued;
  std::deque<std::function<void()>> posted;
};

std::string FeedOf(int items) {
  std::string feed = "<?xml version='1.0' encoding='utf-8'?><rss><channel>";
  for (int i = 1; i <= items; ++i)
    feed += "<item><title>t" + std::to_string(i) + "</title><link>http://127.0.0.1:9/" +
            std::to_string(i) + "</link><description>d</description></item>";
  return feed + "</channel></rss>";
}

// Jobs write under the current directory and read the sources file of a config folder of
// the test's own; every download goes to the loopback server.
class PageSessionTest : public ::testing::Test {
 protected:
  PageSessionTest() : previous_(std::filesystem::current_path()) {
    work_.Write("sc/jzxml", "");
    std::filesystem::create_directory(work_.At("temp"));
    std::filesystem::current_path(work_.Path());
    view_.Open("sc/jz1");
  }
  ~PageSessionTest() override {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  void WriteSources(const std::string& utf8) { config_.Write("orvanta/sources", utf8); }
  // A keyword line that reads its first feed from k.example.
  void ServeKeywordFeed(const std::string& keyword, int items) {
    WriteSources("keyword\thttp://k.example/s?q={keyword}\tutf8\n");
    server_.Serve("k.example", "/s?q=" + keyword, FeedOf(items));
  }
  void RunAndDeliver() {
    view_.RunNextJob();
    view_.Deliver();
  }

  testing::TempFolder work_, config_;
  testing::ScopedEnvironment configHome_{"XDG_CONFIG_HOME", config_.Path()};
  testing::LoopbackServer server_;
  testing::ProxyEnvironment proxy_{server_.Address("")};
  FakeView view_;
  CPageSession session_{view_};

 private:
  std::filesystem::path previous_;
};

TEST_F(PageSessionTest, EachJobKindCarriesItsNumberSubjectAndSources) {
  session_.OpenTopicPage("9");
  session_.OpenKeywordNewsPage("abc");
  session_.OpenMediaLists(Text(MediaKindRowOf(MediaKind::kImage).listFile));
  ASSERT_EQ(view_.jobs.size(), 3u);
  EXPECT_EQ(PageJobNumber(view_.jobs[0].kind), 222);
  EXPECT_EQ(view_.jobs[0].subject, "9");
  EXPECT_EQ(PageJobNumber(view_.jobs[1].kind), 111);
  EXPECT_EQ(view_.jobs[1].subject, "abc");
  EXPECT_EQ(view_.jobs[1].sources, (std::array<Text, 5>{}))
      << "known once the job has read its sources";
  EXPECT_EQ(PageJobNumber(view_.jobs[2].kind), 333);
  EXPECT_EQ(view_.jobs[2].subject, "sc/~astq3339682");
  const MediaListSources sites = ChooseMediaListSources("sc/~astq3339682");
  EXPECT_EQ(view_.jobs[2].sources,
            (std::array<Text, 5>{sites.source1, sites.source2, sites.source3, "", ""}));
  // Only the news jobs show the loading page.
  EXPECT_EQ(view_.calls, (std::vector<std::string>{"show sc/jz", "show sc/jz"}));
}

TEST_F(PageSessionTest, AKeywordJobsSourcesAreTheFeedsItReallyReads) {
  for (const bool ownFile : {false, true}) {
    SCOPED_TRACE(ownFile ? "the sources file's keyword line" : "the built-in feeds");
    if (ownFile) WriteSources("keyword\thttp://k.example/s?q={keyword}\tutf8\n");
    view_.jobs.clear();
    session_.OpenKeywordNewsPage(Gbk("体育"));
    RunAndDeliver();
    ASSERT_EQ(view_.jobs.size(), 2u);
    const std::array<Text, 5> expected =
        ownFile ? std::array<Text, 5>{"http://k.example/s?q=%E4%BD%93%E8%82%B2", "", "", "", ""}
                : KeywordNewsSources(Gbk("体育"));
    EXPECT_EQ(view_.jobs[1].sources, expected);
    EXPECT_EQ(view_.jobs[1].subject, Gbk("体育"));
  }
}

TEST_F(PageSessionTest, ALateWordOfAJobNeverOverwritesALaterJobsSources) {
  session_.OpenKeywordNewsPage("abc");
  session_.OpenMediaLists(Text(MediaKindRowOf(MediaKind::kVideo).listFile));
  RunAndDeliver();  // the keyword job names its feeds only now
  EXPECT_EQ(view_.jobs.back().kind, PageJobKind::kMediaList);
  EXPECT_EQ(view_.jobs.size(), 2u);
}

TEST_F(PageSessionTest, TheFirstMediaPageAfterAResetStartsOneListJobOfItsKind) {
  const struct {
    const char* page;
    const char* listFile;  // empty: no job
    bool reset;            // the main window's media button pressed first
    const char* covers;
  } steps[] = {
      {"sc/jz1", "", false, "the start page is no media page"},
      {"sc/jz3", "sc/~astq3339682", false, "the first media page"},
      {"sc/jz2", "", false, "a second one, by history or a link"},
      {"sc/jz2", "sc/~astq3339681", true, "after a reset"},
      {"sc/jz4", "sc/~astq3339683", true, "music"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.covers);
    if (step.reset) session_.ResetMediaLists();
    view_.jobs.clear();
    view_.Open(step.page);
    EXPECT_FALSE(session_.Navigated(view_.current)) << "own pages leave the address box empty";
    if (*step.listFile == '\0') {
      EXPECT_TRUE(view_.jobs.empty());
    } else {
      ASSERT_EQ(view_.jobs.size(), 1u);
      EXPECT_EQ(view_.jobs[0].subject, step.listFile);
    }
  }
  EXPECT_EQ(session_.MediaLists(), 1);
  EXPECT_TRUE(session_.Navigated("http://example.com/page")) << "a web page shows its address";
}

TEST_F(PageSessionTest, AMediaListJobsFailureIsShownAndWaitedFor) {
  server_.Serve(std::string(hosts::kYouku), "/", "");
  view_.Open("sc/jz2");
  session_.Navigated(view_.current);
  RunAndDeliver();
  EXPECT_EQ(view_.waited, std::vector<Text>{Gbk("打开目标地址出错，请检查网络连接状况")});
  EXPECT_EQ(work_.Read("sc/~astq3339681"), BuildMediaListFailureMarkup());
  EXPECT_TRUE(view_.calls.empty()) << "a list job moves no page";
}

TEST_F(PageSessionTest, ANewsJobPutsItsFirstPageInTheLoadingPagesPlace) {
  ServeKeywordFeed("abc", 3);
  session_.OpenKeywordNewsPage("abc");
  view_.FinishLoading();
  RunAndDeliver();
  EXPECT_EQ(view_.calls,
            (std::vector<std::string>{"show sc/jz", "end progress", "replace temp/~astq11165291"}));
  ASSERT_FALSE(view_.progress.empty());
  EXPECT_EQ(view_.progress.back(), FeedProgressStatusText({1, 1, ""}));
}

TEST_F(PageSessionTest, AJobThatWroteNothingReturnsToThePageTheUserCameFrom) {
  view_.Open("news");
  session_.OpenTopicPage("0");
  view_.FinishLoading();
  RunAndDeliver();
  ASSERT_EQ(view_.calls.size(), 4u);
  EXPECT_EQ(view_.calls[2].rfind("job message ", 0), 0u) << "a topic of no row says so";
  EXPECT_EQ(view_.calls[3], "replace " + FakeView::kFolder + "news");
}

TEST_F(PageSessionTest, AResultWaitsForTheLoadingPageToFinishLoadingUnlessTheUserLeaves) {
  ServeKeywordFeed("abc", 1);
  for (const bool leaves : {false, true}) {
    SCOPED_TRACE(leaves ? "the user leaves first" : "the page finishes loading");
    view_.calls.clear();
    session_.OpenKeywordNewsPage("abc");
    RunAndDeliver();
    EXPECT_EQ(view_.calls.back(), "end progress") << "the loading page is still loading";
    if (leaves) view_.Open("elsewhere");
    view_.FinishLoading();
    session_.DocumentCompleted();
    EXPECT_EQ(view_.calls.back(), leaves ? "end progress" : "replace temp/~astq11165291");
  }
}

TEST_F(PageSessionTest, AStaleTicketShowsNothing) {
  ServeKeywordFeed("abc", 1);
  const struct {
    std::function<void(CPageSession&)> meanwhile;
    const char* covers;
  } cases[] = {
      {[](CPageSession& s) { s.ShowLoadingPage(); }, "a web search took the loading page over"},
      {[](CPageSession& s) { EXPECT_TRUE(s.GiveUpLoadingPage()); }, "stop on the loading page"},
  };
  // A job that brought pages, and one that failed: neither its pages nor its box show.
  const std::function<void(CPageSession&)> jobs[] = {
      [](CPageSession& s) { s.OpenKeywordNewsPage("abc"); },
      [](CPageSession& s) { s.OpenTopicPage("0"); }};
  for (const auto& c : cases) {
    for (const auto& open : jobs) {
      SCOPED_TRACE(c.covers);
      open(session_);
      view_.FinishLoading();
      c.meanwhile(session_);
      view_.FinishLoading();
      view_.calls.clear();
      RunAndDeliver();
      session_.DocumentCompleted();
      EXPECT_EQ(view_.calls, std::vector<std::string>{"end progress"});
    }
  }
  view_.Open("sc/jz1");
  EXPECT_FALSE(session_.GiveUpLoadingPage()) << "stop elsewhere leaves the job its page";
}

TEST_F(PageSessionTest, OneNewsJobRunsAtATimeAndTheLatestRequestWaits) {
  session_.OpenTopicPage("0");
  session_.OpenTopicPage("1");
  session_.OpenKeywordNewsPage("abc");
  ASSERT_EQ(view_.queued.size(), 1u) << "the others wait for the running one";
  RunAndDeliver();
  ASSERT_EQ(view_.queued.size(), 1u) << "the last request took the place of the one that waited";
  RunAndDeliver();
  EXPECT_EQ(view_.jobs.back().subject, "abc");
  EXPECT_TRUE(view_.queued.empty());
}

TEST_F(PageSessionTest, RoutedLinksOfOwnPagesActAndOthersOpenNothing) {
  const struct {
    const char* href;
    bool fromOwnPage;
    std::vector<std::string> calls;
    LinkActionKind kind;
  } rows[] = {
      {"http://dy/#abc#1#",
       true,
       {"message " + Gbk("成功订阅“abc”资讯。"), "refill tree"},
       LinkActionKind::kChangeSubscription},
      {"http://dh/#9#dh", true, {"show sc/jz"}, LinkActionKind::kOpenTopic},
      {"http://ss/#abc#1#", true, {"show sc/jz"}, LinkActionKind::kKeywordNews},
      {"http://ss/##23#",
       true,
       {"message " + Gbk("请输入搜索关键字")},
       LinkActionKind::kShowMessage},
      {"http://dy/#abc#1#", false, {}, LinkActionKind::kNothing},
      {"http://example.com/", false, {}, LinkActionKind::kOpenInNewWindow},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.href);
    CPageSession session(view_);
    view_.calls.clear();
    session.StatusTextChanged(row.href, row.fromOwnPage);
    EXPECT_EQ(session.HoverUrl(), row.href);
    EXPECT_EQ(session.FollowNewWindow(row.href).kind, row.kind);
    EXPECT_EQ(view_.calls, row.calls);
  }
}

TEST_F(PageSessionTest, TheStatusLineForgetsAHoveredLinkOnTheNextPageOnly) {
  session_.StatusTextChanged("http://dy/#abc#1#", true);
  session_.Navigated(view_.current);
  EXPECT_EQ(session_.HoverUrl(), "");
  session_.Navigated(view_.current);
  EXPECT_EQ(view_.statusLines, (std::vector<Text>{" Orvanta", StatusLineText("")}))
      << "a second page clears nothing more";
}

TEST_F(PageSessionTest, TheHelpPageIsWrittenAfreshOrItsWriteFailureIsTold) {
  session_.ShowHelpPage();
  EXPECT_EQ(view_.calls, std::vector<std::string>{"show sc/jz9"});
  EXPECT_EQ(work_.Read("sc/jz9"), HelpPageText());
  // A folder in the page's place cannot be written over.
  std::filesystem::remove("sc/jz9");
  std::filesystem::create_directories("sc/jz9/kept");
  view_.calls.clear();
  session_.ShowHelpPage();
  EXPECT_EQ(view_.calls, std::vector<std::string>{"app message " + WriteFailureMessage("sc/jz9")});
}

}  // namespace
}  // namespace orvanta
