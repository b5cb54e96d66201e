#include "pages/build_news_pages.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "favorites/temp_folder.h"
#include "pages/page_navigation.h"
#include "support/file_size_limit.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;

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
    feed += "<item><title>" + label + " " + std::to_string(k) + "</title><link>http://x/" + label +
            std::to_string(k) +
            "</link><pubDate>Tue, 14 Aug 2012 10:00:00 +0800"
            "</pubDate><description>d</description></item>\n";
  return feed + "</channel></rss>\n";
}

// Links of the bar for base name "temp/b".
Text Link(int page, const Text& label) {
  return "<a href='b" + std::to_string(page) + "'>" + label + "</a>";
}
Text Numbers(int first, int last) {
  Text links;
  for (int page = first; page <= last; ++page) links += Link(page, std::to_string(page)) + " ";
  return links;
}
Text Red(int page) { return "<font color=red>" + std::to_string(page) + "</font> "; }

TEST(PageNavigation, ShowsTenPagesEitherSideBetweenPreviousAndNext) {
  const Text previous = Gbk("上一页"), next = Gbk("下一页");
  const struct {
    int current, pages;
    const char* base;
    Text bar;
  } rows[] = {
      {1, 1, "temp/~astq2226529", "<font color=red>1</font> "},
      {2, 3, "temp/~astq2226529",
       "<a href='~astq22265291'>" + previous +
           "</a> <a href='~astq22265291'>1</a> "
           "<font color=red>2</font> <a href='~astq22265293'>3</a>  <a href='~astq22265293'>" +
           next + "</a>"},
      {2, 2, "temp/a/temp/b",  // every temp folder goes from the target
       "<a href='a/b1'>" + previous + "</a> <a href='a/b1'>1</a> <font color=red>2</font> "},
      {15, 30, "temp/b",
       Link(14, previous) + " " + Numbers(5, 14) + Red(15) + Numbers(16, 25) + " " +
           Link(16, next)},
      {1, 30, "temp/b", Red(1) + Numbers(2, 11) + " " + Link(2, next)},
      {30, 30, "temp/b", Link(29, previous) + " " + Numbers(20, 29) + Red(30)},
  };
  for (const auto& row : rows)
    EXPECT_EQ(PageNavigation(row.current, row.pages, row.base), row.bar)
        << row.current << " of " << row.pages;
}

TEST(PageItems, ListsTenItemsAPageInStoreOrder) {
  const NewsItemStore store = StoreOf(11);
  EXPECT_EQ(PageItems(store, 2, 10), "<a href='l11' target='_blank'>t11</a> d11<br>s11<br><br>");
  EXPECT_TRUE(PageItems(store, 1, 10)
                  .starts_with("<a href='l1' target='_blank'>t1</a> d1<br>s1"
                               "<br><br><a href='l2' target='_blank'>t2</a>"));
  EXPECT_EQ(PageItems(store, 3, 10), "");
}

TEST(SubscribeLinks, CarryTheTitleEscapedSoThatItCannotEndTheAttribute) {
  const struct {
    Text title, shown;
  } rows[] = {{Gbk("体育"), Gbk("体育")}, {"a'b<i>&c", "a&#39;b&lt;i&gt;&amp;c"}};
  for (const auto& row : rows)
    EXPECT_EQ(SubscribeLinks(row.title),
              "<a href='http://dy/#" + row.shown + "#1#' target='_blank'>" + Gbk("订阅“") +
                  row.shown + Gbk("”资讯") + "</a> <a href='http://dy/#" + row.shown +
                  "#0#' target='_blank'>" + Gbk("取消订阅“") + row.shown + Gbk("”") + "</a>")
        << row.shown;
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
  testing::TempFolder folder;
};

TEST_F(BuildNewsPagesTest, MergesFeedsInSlotOrderTenItemsAPage) {
  server.Serve("", "/one", Feed("one", 6));
  server.Serve("", "/three", Feed("three", 5));
  const NewsBuildResult result =
      BuildNewsPages({At("/one"), "", At("/three"), "", "", ""}, folder.At("b"), "q'z<i>&x");
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.pagesWritten, 2);
  const Text first = folder.Read("b1");
  EXPECT_LT(first.find(">one 6</a>"), first.find(">three 1</a>"));
  EXPECT_NE(first.find(">three 4</a>"), Text::npos);
  EXPECT_EQ(first.find(">three 5</a>"), Text::npos);
  EXPECT_NE(folder.Read("b2").find(">three 5</a>"), Text::npos);
  EXPECT_FALSE(folder.Has("b3"));
  // The title stands in the links and the keyword box, never as markup of its own.
  EXPECT_EQ(first.find("q'z"), Text::npos);
  EXPECT_EQ(first.find("<i>"), Text::npos);
}

TEST_F(BuildNewsPagesTest, EmptyFirstSlotGivesTheMessageAndNoFile) {
  server.Serve("", "/empty", "");
  server.Serve("", "/full", Feed("full", 3));
  for (const Text& slot1 : {Text(), At("/empty"), Text("http://127.0.0.1:1/refused")}) {
    const NewsBuildResult result =
        BuildNewsPages({slot1, At("/full"), At("/full"), "", "", ""}, folder.At("b"), "T");
    ASSERT_TRUE(result.message) << slot1;
    EXPECT_EQ(*result.message, Gbk("打开目标地址出错，请检查网络连接状况"));
    EXPECT_EQ(result.pagesWritten, 0);
    EXPECT_FALSE(folder.Has("b1")) << slot1;
  }
}

TEST_F(BuildNewsPagesTest, EndsQuietlyWithoutItems) {
  server.Serve("", "/none", "<rss><channel></channel></rss>");
  const NewsBuildResult result =
      BuildNewsPages({At("/none"), "", "", "", "", ""}, folder.At("b"), "T");
  EXPECT_FALSE(result.message);
  EXPECT_FALSE(result.writeFailed);
  EXPECT_EQ(result.pagesWritten, 0);
  EXPECT_FALSE(folder.Has("b1"));
}

// Every "bN" that a page of the folder links to, and whether it is there.
std::vector<std::pair<std::string, bool>> LinkedPages(const testing::TempFolder& folder) {
  std::vector<std::pair<std::string, bool>> linked;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    const std::string page = folder.Read(entry.path().filename().string());
    for (std::size_t at = page.find("href='b"); at != std::string::npos;
         at = page.find("href='b", at + 1)) {
      const std::string name = page.substr(at + 6, page.find('\'', at + 6) - at - 6);
      linked.emplace_back(name, folder.Has(name));
    }
  }
  return linked;
}

// Twenty items: page 1 is small, page 2 carries long descriptions.
std::string FeedWithALongSecondPage() {
  std::string feed = "<rss><channel>";
  for (int k = 1; k <= 20; ++k)
    feed += "<item><title>n " + std::to_string(k) + "</title><link>http://x/" + std::to_string(k) +
            "</link><description>" + std::string(k > 10 ? 20000 : 1, 'd') + "</description></item>";
  return feed + "</channel></rss>";
}

TEST_F(BuildNewsPagesTest, AFullDiskSaysSoAndLeavesTheEarlierPagesWhole) {
  server.Serve("", "/old", Feed("old", 12));
  server.Serve("", "/new", FeedWithALongSecondPage());
  ASSERT_EQ(BuildNewsPages({At("/old"), "", "", "", "", ""}, folder.At("b"), "T").pagesWritten, 2);
  const std::string before = folder.Read("b1");
  struct Row {
    const char* what;
    std::string base;
    rlim_t limit;
    std::string unwritten;
  };
  const Row rows[] = {
      {"the disk fills up at page 2", folder.At("b"), 64 * 1024, folder.At("b2")},
      {"nothing fits", folder.At("b"), 16, folder.At("b1")},
      {"no folder to write in", folder.At("missing/b"), RLIM_INFINITY, folder.At("missing/b1")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    NewsBuildResult result;
    {
      testing::FileSizeLimit full(row.limit);
      result = BuildNewsPages({At("/new"), "", "", "", "", ""}, row.base, "T");
    }
    ASSERT_TRUE(result.message);
    EXPECT_EQ(*result.message, Gbk("无法写入文件 ") + row.unwritten);
    EXPECT_TRUE(result.writeFailed);
    EXPECT_EQ(result.pagesWritten, 0);
    // The earlier build is still whole, and nothing half-written is left beside it.
    EXPECT_EQ(folder.Read("b1"), before);
    for (const auto& [name, there] : LinkedPages(folder)) EXPECT_TRUE(there) << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              2);
  }
}

TEST_F(BuildNewsPagesTest, FetchesAllSlotsAtOnce) {
  // Every answer waits until all six requests have arrived; fetched one after another the
  // first would give up waiting and the count it saw would be short.
  constexpr int kSlots = 6;
  std::mutex mutex;
  std::condition_variable arrived;
  int requests = 0;
  int sawAll = 0;
  NewsFeedSlots slots;
  for (int slot = 1; slot <= kSlots; ++slot) {
    const std::string body = Feed("s" + std::to_string(slot), 2);
    server.Route(
        "", "/s" + std::to_string(slot),
        [&, body](const httplib::Request&, httplib::Response& response) {
          std::unique_lock<std::mutex> lock(mutex);
          ++requests;
          arrived.notify_all();
          if (arrived.wait_for(lock, std::chrono::seconds(10), [&] { return requests == kSlots; }))
            ++sawAll;
          response.set_content(body, "text/xml");
        });
    slots[slot - 1] = At("/s" + std::to_string(slot));
  }
  const NewsBuildResult result = BuildNewsPages(slots, folder.At("b"), "T");
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
      BuildNewsPages({At("/one"), At("/two"), At("/three"), "", "", ""}, folder.At("b"), "T");
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
  folder.Write(stale, "torn");
  folder.Write(live, "another job's");
  server.Serve("", "/one", Feed("one", 1));
  BuildNewsPages({At("/one"), "", "", "", "", ""}, folder.At("b"), "T");
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
  const NewsBuildResult result =
      BuildNewsPages({"http://fast-one.example/rss", "http://slow.example:80/rss", "", "",
                      "http://fast-two.example/rss", ""},
                     folder.At("b"), "T", sink);
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
