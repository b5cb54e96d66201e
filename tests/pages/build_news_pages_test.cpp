#include "pages/build_news_pages.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>

#include "pages/markup_escape.h"
#include "pages/page_navigation.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;

// Each test writes its pages into a fresh folder of its own.
class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/orvanta-news-pages-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  bool Has(const std::string& name) const { return std::filesystem::exists(File(name)); }
  std::string Read(const std::string& name) const {
    std::ifstream file(File(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

 private:
  std::string path_;
};

NewsItemStore StoreOf(int count) {
  NewsItemStore store;
  for (int k = 1; k <= count; ++k) {
    store.titles.push_back("t" + std::to_string(k));
    store.links.push_back("l" + std::to_string(k));
    store.dates.push_back("d" + std::to_string(k));
    store.descriptions.push_back("s" + std::to_string(k));
  }
  return store;
}

// An RSS 2.0 feed whose titles are label + " " + k.
std::string Feed(const std::string& label, int items) {
  std::string feed = "<?xml version=\"1.0\" encoding=\"gb2312\"?>\n<rss><channel>\n";
  for (int k = 1; k <= items; ++k)
    feed += "<item><title>" + label + " " + std::to_string(k) + "</title><link>http://x/" +
            label + std::to_string(k) + "</link><pubDate>Tue, 14 Aug 2012 10:00:00 +0800"
            "</pubDate><description>d</description></item>\n";
  return feed + "</channel></rss>\n";
}

TEST(NewsPageCount, RoundsUpToWholePages) {
  const int cases[][2] = {{0, 0}, {1, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {300, 30}};
  for (const auto& c : cases) EXPECT_EQ(NewsPageCount(c[0]), c[1]) << c[0] << " items";
}

TEST(PageNavigation, SinglePageIsOnlyTheRedNumber) {
  EXPECT_EQ(PageNavigation(1, 1, "temp/~astq2226529"), "<font color=red>1</font> ");
}

TEST(PageNavigation, MiddlePageHasPreviousAndNext) {
  EXPECT_EQ(PageNavigation(2, 3, "temp/~astq2226529"),
            "<a href='~astq22265291'>" + Gbk("上一页") + "</a> <a href='~astq22265291'>1</a> "
            "<font color=red>2</font> <a href='~astq22265293'>3</a>  <a href='~astq22265293'>" +
                Gbk("下一页") + "</a>");
}

TEST(PageNavigation, ShowsTenPagesEitherSide) {
  const Text bar = PageNavigation(15, 30, "temp/b");
  EXPECT_EQ(bar.find("<a href='b14'>" + Gbk("上一页") + "</a> <a href='b5'>5</a> "), 0u);
  EXPECT_NE(bar.find("<font color=red>15</font> "), Text::npos);
  EXPECT_NE(bar.find("<a href='b25'>25</a>  <a href='b16'>" + Gbk("下一页") + "</a>"),
            Text::npos);
  EXPECT_EQ(bar.find("'b4'"), Text::npos);
  EXPECT_EQ(bar.find("'b26'"), Text::npos);

  EXPECT_EQ(PageNavigation(1, 30, "temp/b").find(Gbk("上一页")), Text::npos) << "first page";
  EXPECT_EQ(PageNavigation(30, 30, "temp/b").find(Gbk("下一页")), Text::npos) << "last page";
  EXPECT_EQ(PageNavigation(1, 30, "temp/b").find("'b12'"), Text::npos) << "1 + 10 is the end";
}

TEST(PageNavigation, DropsEveryTempFolderFromTheTarget) {
  EXPECT_EQ(PageNavigation(2, 2, "temp/a/temp/b"), "<a href='a/b1'>" + Gbk("上一页") +
                                                       "</a> <a href='a/b1'>1</a> "
                                                       "<font color=red>2</font> ");
}

TEST(PageItems, ListsTenItemsAPageInStoreOrder) {
  const NewsItemStore store = StoreOf(11);
  EXPECT_EQ(PageItems(store, 2, 10), "<a href='l11' target='_blank'>t11</a> d11<br>s11<br><br>");
  const Text first = PageItems(store, 1, 10);
  EXPECT_EQ(first.find("<a href='l1' target='_blank'>t1</a> d1<br>s1<br><br>"
                       "<a href='l2' target='_blank'>t2</a>"),
            0u);
  EXPECT_NE(first.find("t10</a>"), Text::npos);
  EXPECT_EQ(first.find("t11</a>"), Text::npos);
  EXPECT_EQ(PageItems(store, 3, 10), "");
}

TEST(SubscribeLinks, CarryThePlainTitleUnchanged) {
  const Text title = Gbk("体育");
  EXPECT_EQ(SubscribeLinks(title),
            "<a href='http://dy/#" + title + "#1#' target='_blank'>" + Gbk("订阅“") + title +
                Gbk("”资讯") + "</a> <a href='http://dy/#" + title + "#0#' target='_blank'>" +
                Gbk("取消订阅“") + title + Gbk("”") + "</a>");
}

TEST(SubscribeLinks, EscapeATitleThatWouldEndTheAttribute) {
  const Text links = SubscribeLinks("a'b<i>&c");
  EXPECT_EQ(links.find("a'b"), Text::npos);
  EXPECT_EQ(links.find("<i>"), Text::npos);
  EXPECT_NE(links.find("http://dy/#" + EscapeMarkup("a'b<i>&c") + "#1#'"), Text::npos);
}

TEST(RenderNewsPage, PutsTheNavigationAboveAndBelowTheItems) {
  const NewsItemStore store = StoreOf(11);
  const Text page = RenderNewsPage(store, 2, 2, "temp/x", "L", "H", "A");
  const Text bar = PageNavigation(2, 2, "temp/x");
  EXPECT_EQ(page, "L<br>H<br>" + bar + "<br><br>" + PageItems(store, 2, 10) + "<br><br>" + bar +
                      "<br><br>A<br><br>");
}

class BuildNewsPagesTest : public ::testing::Test {
 protected:
  std::string At(const std::string& path) const { return server.Address(path); }
  LoopbackServer server;
  ScratchFolder folder;
};

TEST_F(BuildNewsPagesTest, MergesFeedsInSlotOrderTenItemsAPage) {
  server.Serve("", "/one", Feed("one", 6));
  server.Serve("", "/three", Feed("three", 5));
  const Text base = folder.File("~astq2226529");
  const NewsBuildResult result =
      BuildNewsPages({At("/one"), "", At("/three"), "", "", ""}, base, "T");
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.pagesWritten, 2);
  const Text first = folder.Read("~astq22265291");
  EXPECT_LT(first.find(">one 6</a>"), first.find(">three 1</a>"));
  EXPECT_NE(first.find(">three 4</a>"), Text::npos);
  EXPECT_EQ(first.find(">three 5</a>"), Text::npos);
  EXPECT_NE(folder.Read("~astq22265292").find(">three 5</a>"), Text::npos);
  EXPECT_FALSE(folder.Has("~astq22265293"));
}

TEST_F(BuildNewsPagesTest, EmptyFirstSlotGivesTheMessageAndNoFile) {
  server.Serve("", "/empty", "");
  server.Serve("", "/full", Feed("full", 3));
  for (const Text& slot1 : {Text(), At("/empty"), Text("http://127.0.0.1:1/refused")}) {
    const NewsBuildResult result =
        BuildNewsPages({slot1, At("/full"), At("/full"), "", "", ""}, folder.File("b"), "T");
    ASSERT_TRUE(result.message) << slot1;
    EXPECT_EQ(*result.message, Gbk("打开目标地址出错，请检查网络连接状况"));
    EXPECT_EQ(result.pagesWritten, 0);
    EXPECT_FALSE(folder.Has("b1")) << slot1;
  }
}

TEST_F(BuildNewsPagesTest, FeedsWithoutItemsWriteNothingQuietly) {
  server.Serve("", "/none", "<rss><channel></channel></rss>");
  const NewsBuildResult result = BuildNewsPages({At("/none"), "", "", "", "", ""},
                                                folder.File("b"), "T");
  EXPECT_FALSE(result.message);
  EXPECT_FALSE(folder.Has("b1"));
}

TEST_F(BuildNewsPagesTest, UnwritableFolderEndsTheBuildQuietly) {
  server.Serve("", "/one", Feed("one", 3));
  const NewsBuildResult result = BuildNewsPages({At("/one"), "", "", "", "", ""},
                                                folder.File("missing/b"), "T");
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.pagesWritten, 0);
}

TEST_F(BuildNewsPagesTest, KeywordWithMarkupCharactersCannotAddMarkup) {
  server.Serve("", "/one", Feed("one", 1));
  const Text keyword = "q'z<i>&x";
  BuildNewsPages({At("/one"), "", "", "", "", ""}, folder.File("b"), keyword);
  const Text page = folder.Read("b1");
  EXPECT_EQ(page.find("q'z"), Text::npos);
  EXPECT_EQ(page.find("<i>"), Text::npos);
  EXPECT_NE(page.find("value='" + EscapeMarkup(keyword) + "'"), Text::npos) << "keyword box";
  EXPECT_EQ(page.find("http://dy/#" + EscapeMarkup(keyword) + "#1#' target='_blank'>"), 9u);
}

TEST_F(BuildNewsPagesTest, FetchesAllSlotsAtOnce) {
  // Every answer waits until all six requests have arrived; fetched one after another the
  // first would give up waiting and the count it saw would be short.
  constexpr int kSlots = 6;
  std::mutex mutex;
  std::condition_variable arrived;
  int requests = 0;
  int sawAll = 0;
  for (int slot = 1; slot <= kSlots; ++slot) {
    const std::string body = Feed("s" + std::to_string(slot), 2);
    server.Route("", "/s" + std::to_string(slot),
                 [&, body](const httplib::Request&, httplib::Response& response) {
                   std::unique_lock<std::mutex> lock(mutex);
                   ++requests;
                   arrived.notify_all();
                   if (arrived.wait_for(lock, std::chrono::seconds(10),
                                        [&] { return requests == kSlots; }))
                     ++sawAll;
                   response.set_content(body, "text/xml");
                 });
  }
  NewsFeedSlots slots;
  for (int slot = 0; slot < kSlots; ++slot) slots[slot] = At("/s" + std::to_string(slot + 1));
  const NewsBuildResult result = BuildNewsPages(slots, folder.File("b"), "T");
  EXPECT_EQ(sawAll, kSlots);
  EXPECT_EQ(result.pagesWritten, 2);
  // Order stays the slot order, whichever answer came first.
  const Text first = folder.Read("b1");
  for (int slot = 1; slot < kSlots - 1; ++slot)
    EXPECT_LT(first.find(">s" + std::to_string(slot) + " 2</a>"),
              first.find(">s" + std::to_string(slot + 1) + " 1</a>"));
}

TEST_F(BuildNewsPagesTest, KeepsTheFirstThousandItemsInOneHundredPages) {
  server.Serve("", "/one", Feed("one", 600));
  server.Serve("", "/two", Feed("two", 600));
  server.Serve("", "/three", Feed("three", 5));
  const NewsBuildResult result =
      BuildNewsPages({At("/one"), At("/two"), At("/three"), "", "", ""}, folder.File("b"), "T");
  EXPECT_EQ(result.pagesWritten, 100);
  const Text last = folder.Read("b100");
  EXPECT_NE(last.find(">two 400</a>"), Text::npos);
  EXPECT_EQ(last.find(">two 401</a>"), Text::npos);
  EXPECT_FALSE(folder.Has("b101"));
}

TEST_F(BuildNewsPagesTest, ClearsWhatAKilledWriterLeftBesideItsPages) {
  const pid_t writer = fork();
  if (writer == 0) _exit(0);
  waitpid(writer, nullptr, 0);
  const std::string stale = "b1.tmp" + std::to_string(writer) + "-0";
  const std::string live = "b1.tmp" + std::to_string(getpid()) + "-999999";
  std::ofstream(folder.File(stale)) << "torn";
  std::ofstream(folder.File(live)) << "another job's";
  server.Serve("", "/one", Feed("one", 1));
  BuildNewsPages({At("/one"), "", "", "", "", ""}, folder.File("b"), "T");
  EXPECT_FALSE(folder.Has(stale));
  EXPECT_TRUE(folder.Has(live));
}

// Three feeds; the one in slot 2 answers only once the sink has heard of the other two.
TEST_F(BuildNewsPagesTest, ReportsEachFeedAsItEndsNamingOneStillOut) {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<FeedProgress> calls;
  std::atomic<int> inside{0};
  bool overlapped = false;
  for (const char* host : {"fast-one.example", "fast-two.example"})
    server.Serve(host, "/rss", Feed(host, 1));
  server.Route("slow.example", "/rss", [&](const httplib::Request&, httplib::Response& response) {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait_for(lock, std::chrono::seconds(10),
                     [&] { return !calls.empty() && calls.back().feedsDone == 2; });
    response.set_content(Feed("slow", 1), "text/xml");
  });
  ProxyEnvironment proxy(server.Address(""));
  const FeedProgressSink sink = [&](const FeedProgress& progress) {
    if (++inside > 1) overlapped = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // room for a second caller
    {
      std::lock_guard<std::mutex> lock(mutex);
      calls.push_back(progress);
    }
    changed.notify_all();
    --inside;
  };
  const NewsBuildResult result = BuildNewsPages(
      {"http://fast-one.example/rss", "http://slow.example:80/rss", "", "",
       "http://fast-two.example/rss", ""},
      folder.File("b"), "T", sink);
  EXPECT_EQ(result.pagesWritten, 1);
  EXPECT_FALSE(overlapped);
  ASSERT_EQ(calls.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(calls[k].feedsDone, k);
    EXPECT_EQ(calls[k].feedsTotal, 3);
  }
  EXPECT_EQ(calls[0].pendingHost, "fast-one.example") << "the first slot, before anything ended";
  EXPECT_EQ(calls[2].pendingHost, "slow.example");
  EXPECT_EQ(calls[3].pendingHost, "") << "nothing left";
}

TEST(FeedProgressStatusText, CountsAndNamesTheHost) {
  EXPECT_EQ(FeedProgressStatusText({4, 6, "news.sohu.com"}),
            "\xD5\xFD\xD4\xDA\xB6\xC1\xC8\xA1 4/6 news.sohu.com \xA1\xAD");  // 正在读取 … in GBK
  EXPECT_EQ(FeedProgressStatusText({6, 6, ""}), Gbk("正在读取 6/6 …"));
}

}  // namespace
}  // namespace orvanta
