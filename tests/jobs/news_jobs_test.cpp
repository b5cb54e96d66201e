#include "jobs/news_jobs.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>

#include "favorites/temp_folder.h"
#include "net/service_hosts.h"
#include "news/sources_file.h"
#include "pages/advert_script.h"
#include "pages/build_news_pages.h"
#include "pages/page_navigation.h"
#include "pages/search_frame.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;
using orvanta::testing::ReadFixture;
using orvanta::testing::ScopedEnvironment;
using orvanta::testing::TempFolder;

std::string Host(std::string_view host) { return std::string(host); }

// Jobs write under the current directory: each test runs in a fresh one with "temp" in it.
class ScratchWorkingDirectory {
 public:
  ScratchWorkingDirectory() : previous_(std::filesystem::current_path()) {
    char pattern[] = "/tmp/orvanta-news-jobs-XXXXXX";
    path_ = ::mkdtemp(pattern);
    std::filesystem::create_directory(path_ + "/temp");
    std::filesystem::current_path(path_);
  }
  ~ScratchWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  bool Has(const std::string& name) const { return std::filesystem::exists(path_ + "/" + name); }
  std::string Read(const std::string& name) const {
    std::ifstream file(path_ + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::string path_;
};

TEST(NewsPageBaseName, CarriesTheJobNumber) {
  EXPECT_EQ(NewsPageBaseName(kKeywordNewsJob), "temp/~astq1116529");
  EXPECT_EQ(NewsPageBaseName(kTopicNewsJob), "temp/~astq2226529");
}

TEST(KeywordNewsSources, PutTheKeywordUnchangedIntoAllFive) {
  const auto sources = KeywordNewsSources("a b");
  EXPECT_EQ(sources[0], "http://news.baidu.com/ns?word=a b&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class=");
  EXPECT_EQ(sources[1], "http://news.youdao.com/search?q=a b&doctype=rss");
  EXPECT_EQ(sources[2], "http://news.jike.com/rss/query/a b.xml");
  EXPECT_EQ(sources[3], "http://rss.soso.com/rss?tag=1&src=-10&ofmt=xml&kd=n&full=1&w=a b");
  EXPECT_EQ(sources[4], "http://news.google.com/news?pz=1&cf=all&ned=cn&hl=zh-CN&q=a b&output=rss");
}

TEST(KeywordNewsSources, OnlyTheJikeAddressIsUtf8) {
  const Text keyword = Gbk("体育");
  const auto sources = KeywordNewsSources(keyword);
  EXPECT_EQ(sources[2], "http://news.jike.com/rss/query/体育.xml");  // this file is UTF-8
  for (int slot : {0, 1, 3, 4}) EXPECT_NE(sources[slot].find(keyword), Text::npos) << slot;
}

TEST(KeywordNewsSources, FillTheSourcesFilesTemplatesWithTheEscapedKeyword) {
  SourceOverrides overrides;
  overrides.keyword = KeywordTemplates{
      {"http://k.example/s?q={keyword}&o=rss", "", "http://k.example/{keyword}/{keyword}.xml"},
      KeywordEncoding::kGbk};
  const struct {
    Text keyword;
    KeywordEncoding encoding;
    const char* escaped;
    const char* covers;
  } cases[] = {
      {Gbk("体育"), KeywordEncoding::kGbk, "%CC%E5%D3%FD", "GBK bytes, upper-case digits"},
      {Gbk("体育"), KeywordEncoding::kUtf8, "%E4%BD%93%E8%82%B2", "UTF-8 bytes"},
      {"a b&c=d#e+f", KeywordEncoding::kGbk, "a%20b%26c%3Dd%23e%2Bf", "query characters escaped"},
      {"Az09-._~", KeywordEncoding::kUtf8, "Az09-._~", "unreserved characters stay"},
      {"", KeywordEncoding::kGbk, "", "an empty keyword"},
  };
  for (const auto& c : cases) {
    overrides.keyword->encoding = c.encoding;
    const auto sources = KeywordNewsSources(c.keyword, overrides);
    EXPECT_EQ(sources[0], "http://k.example/s?q=" + std::string(c.escaped) + "&o=rss") << c.covers;
    EXPECT_EQ(sources[1], "") << c.covers;
    EXPECT_EQ(sources[2], "http://k.example/" + std::string(c.escaped) + "/" + c.escaped + ".xml")
        << c.covers;
    EXPECT_EQ(sources[3], "") << c.covers;
    EXPECT_EQ(sources[4], "") << c.covers;
  }
  EXPECT_EQ(KeywordNewsSources("a b", SourceOverrides{}), KeywordNewsSources("a b"))
      << "no keyword line: the built-in feeds";
}

// Topic 9 through the service hosts: every feed answer waits until all six requests are in,
// so the page can only appear when they were fetched at the same time.
class TopicNewsJobTest : public ::testing::Test {
 protected:
  void RouteWaiting(const std::string& host, const std::string& target, const std::string& fixture) {
    const std::string body = ReadFixture("news_pages/" + fixture);
    server.Route(host, target, [this, body](const httplib::Request&, httplib::Response& response) {
      std::unique_lock<std::mutex> lock(mutex);
      ++requests;
      arrived.notify_all();
      if (arrived.wait_for(lock, std::chrono::seconds(10), [this] { return requests == expected; }))
        ++sawAll;
      response.set_content(body, "text/xml");
    });
  }

  void RouteTopicNine() {
    expected = 6;
    RouteWaiting(Host(hosts::kBaiduNews), "/n?cmd=4&class=sportnews&tn=rss", "baidu_sports_4_items.xml");
    RouteWaiting(Host(hosts::kGoogleNews), "/news?cf=i&ned=cn&hl=zh-CN&topic=s&output=rss",
                 "google_sports_3_items_utf8.xml");
    RouteWaiting(Host(hosts::kSohuNews), "/rss/sports.xml", "sohu_sports_2_items.xml");
    RouteWaiting(Host(hosts::kYoudaoNews), "/top?ct=gym&doctype=rss", "youdao_sports_1_item.xml");
    RouteWaiting(Host(hosts::kSosoNewsInformation), "/news?ty=cls&ofmt=xml&src=-11&kd=ft&w=sport",
                 "soso_sports_1_item.xml");
    RouteWaiting(Host(hosts::kSinaFeed), "/roll/sports/hot_roll.xml", "sina_sports_1_item.xml");
  }

  LoopbackServer server;
  ProxyEnvironment proxy{server.Address("")};
  ScratchWorkingDirectory directory;
  std::mutex mutex;
  std::condition_variable arrived;
  int requests = 0, expected = 0, sawAll = 0;
};

TEST_F(TopicNewsJobTest, WritesTenItemsAPageFromAllSixFeedsFetchedAtOnce) {
  RouteTopicNine();
  const NewsJobResult result = RunTopicNewsJob("9");
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.firstPage, "temp/~astq22265291");
  EXPECT_EQ(sawAll, 6);

  const Text first = directory.Read("temp/~astq22265291");
  const Text second = directory.Read("temp/~astq22265292");
  EXPECT_FALSE(directory.Has("temp/~astq22265293"));
  const Text title = Gbk("体育");
  const Text bar = PageNavigation(1, 2, "temp/~astq2226529");
  const Text opening = SubscribeLinks(title) + "<br>" + BuildNewsPageHead(title) + "<br>" + bar +
                       "<br><br><a href='http://sports.baidu.example/a/1.html'";
  const Text ending = "<br><br>" + bar + "<br><br>" + BuildAdvertScript(1) + "<br><br>";
  EXPECT_EQ(first.compare(0, opening.size(), opening), 0);
  ASSERT_GT(first.size(), ending.size());
  EXPECT_EQ(first.compare(first.size() - ending.size(), ending.size(), ending), 0);
  // Slot order: Baidu, Google (converted from UTF-8), Sohu, Youdao on page 1; Soso, Sina after.
  const Text order[] = {Gbk("百度体育 4"), Gbk("谷歌体育 1"), Gbk("谷歌体育 3"), Gbk("搜狐体育 2"),
                        Gbk("有道体育 1")};
  for (std::size_t k = 0; k + 1 < std::size(order); ++k)
    EXPECT_LT(first.find(order[k] + "</a>"), first.find(order[k + 1] + "</a>")) << k;
  EXPECT_EQ(first.find(Gbk("搜搜体育")), Text::npos);
  EXPECT_EQ(second.find("<a href='http://sports.soso.example/a/1.html' target='_blank'>" +
                        Gbk("搜搜体育 1") + "</a> " + Gbk("2012年8月14日10:00:00 星期二") + "<br>"),
            second.find("<a href='http://sports.soso.example"));
  EXPECT_NE(second.find(Gbk("新浪体育 1")), Text::npos);
  EXPECT_NE(first.find(" <a href='~astq22265292'>" + Gbk("下一页") + "</a>"), Text::npos);
  EXPECT_NE(second.find("<a href='~astq22265291'>" + Gbk("上一页") + "</a>"), Text::npos);
}

TEST_F(TopicNewsJobTest, TellsTheProgressSinkOfAllSixFeeds) {
  RouteTopicNine();
  std::vector<FeedProgress> calls;
  RunTopicNewsJob("9", [&](const FeedProgress& progress) { calls.push_back(progress); });
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls.front().feedsDone, 0);
  EXPECT_EQ(calls.front().pendingHost, Host(hosts::kBaiduNews));
  EXPECT_EQ(calls.back().feedsDone, 6);
  EXPECT_EQ(calls.back().feedsTotal, 6);
}

TEST_F(TopicNewsJobTest, RegionWithDeadFirstFeedShowsTheMessageAndWritesNothing) {
  server.Serve(Host(hosts::kBaiduNews), "/n?cmd=7&loc=2354&name=%C9%CF%BA%A3&tn=rss", "");
  server.ServeFixture(Host(hosts::kGoogleNewsChina), "/news?q=%C9%CF%BA%A3&output=rss&ie=UTF-8",
                      "news_pages/baidu_region_3_items.xml");
  server.ServeFixture(Host(hosts::kBaiduNews),
                      "/ns?word=%c9%cf%ba%a3&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class=",
                      "news_pages/baidu_region_3_items.xml");
  const NewsJobResult result = RunTopicNewsJob("22");
  ASSERT_TRUE(result.message);
  EXPECT_EQ(*result.message, Gbk("打开目标地址出错，请检查网络连接状况"));
  EXPECT_EQ(result.firstPage, "");
  EXPECT_FALSE(directory.Has("temp/~astq22265291"));
}

TEST_F(TopicNewsJobTest, UnknownNumberShowsTheMessage) {
  const NewsJobResult result = RunTopicNewsJob("16");
  ASSERT_TRUE(result.message);
  EXPECT_FALSE(directory.Has("temp/~astq22265291"));
}

// A user's sources file in a config folder of the test's own.
class SourcesFileJobTest : public TopicNewsJobTest {
 protected:
  void WriteSources(const std::string& utf8) { config.Write("orvanta/sources", utf8); }

  TempFolder config;
  ScopedEnvironment configHome{"XDG_CONFIG_HOME", config.Path()};
};

TEST_F(SourcesFileJobTest, ARowOfTheFileReplacesTheTopicsFeedsAndAtomEntriesShowOnThePage) {
  server.ServeFixture("atom.tech.example", "/feed.atom", "feeds/atom_tech_entries_utf8.xml");
  server.ServeFixture("rss.example", "/sports.xml", "news_pages/sohu_sports_2_items.xml");
  WriteSources("9\thttp://atom.tech.example/feed.atom\t\thttp://rss.example/sports.xml\n");
  const NewsJobResult result = RunTopicNewsJob("9");
  EXPECT_FALSE(result.message);
  EXPECT_FALSE(result.sourcesReport);
  const Text page = directory.Read("temp/~astq22265291");
  EXPECT_EQ(server.Hits(Host(hosts::kBaiduNews), "/n?cmd=4&class=sportnews&tn=rss"), 0);
  EXPECT_NE(page.find(BuildNewsPageHead(Gbk("体育"))), Text::npos) << "the name stays";
  const Text firstEntry = "<a href='http://atom.tech.example/2012/08/plane.html' target='_blank'>" +
                          Gbk("国产大飞机完成首次试飞") + "</a> 2012-08-15 07:30:00+08:00<br>";
  const std::size_t atom = page.find(firstEntry);
  EXPECT_NE(atom, Text::npos);
  EXPECT_LT(atom, page.find(Gbk("搜狐体育 1"))) << "slot order: the Atom feed, then slot 3";
  EXPECT_FALSE(directory.Has("temp/~astq22265292")) << "six items, one page";
}

TEST_F(SourcesFileJobTest, TheKeywordLineOfTheFileChoosesTheKeywordFeeds) {
  server.ServeFixture("k.example", "/s?q=%E4%BD%93%E8%82%B2&f=rss",
                      "news_pages/sohu_sports_2_items.xml");
  WriteSources("keyword\thttp://k.example/s?q={keyword}&f=rss\tutf8\n");
  const NewsJobResult result = RunKeywordNewsJob(Gbk("体育"));
  EXPECT_FALSE(result.message);
  EXPECT_EQ(server.Hits("k.example", "/s?q=%E4%BD%93%E8%82%B2&f=rss"), 1);
  EXPECT_NE(directory.Read("temp/~astq11165291").find(Gbk("搜狐体育 2")), Text::npos);
}

TEST_F(SourcesFileJobTest, AnEditCountsFromTheNextJobOn) {
  server.Serve("a.example", "/1.xml", "");
  WriteSources("9\thttp://a.example/1.xml\n");
  EXPECT_TRUE(RunTopicNewsJob("9").message) << "the file's dead feed";
  RouteTopicNine();
  WriteSources("# nothing replaced\n");
  EXPECT_FALSE(RunTopicNewsJob("9").message) << "the built-in feeds again";
  EXPECT_EQ(server.Hits("a.example", "/1.xml"), 1);
}

// Each run of orvanta-cli is a run of its own: its first read reports, on standard error.
TEST_F(SourcesFileJobTest, CliReportsBadLinesOnStandardErrorAndUsesTheBuiltInRow) {
  RouteTopicNine();
  WriteSources("9\tnot-an-address\n77\thttp://a.example/\n");
  const std::string command = std::string(ORVANTA_CLI) + " topic 9 > out.txt 2> err.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(directory.Read("out.txt"), "");
  EXPECT_EQ(directory.Read("err.txt"),
            "新闻源文件有误，出错之处未被采用，那些新闻源仍用内置的：\n" + config.Path() +
                "/orvanta/sources 第1行：第1个地址不是 http 或 https 地址\n" + config.Path() +
                "/orvanta/sources 第2行：“77”不是新闻源表中的编号\n");
  EXPECT_NE(directory.Read("temp/~astq22265291").find(Gbk("百度体育 4")), Text::npos);
}

TEST_F(TopicNewsJobTest, CliWritesTheTopicPagesIntoTheCurrentDirectory) {
  RouteTopicNine();
  std::filesystem::remove(directory.path() + "/temp");
  const std::string command = std::string(ORVANTA_CLI) + " topic 9 > out.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(directory.Read("out.txt"), "");
  EXPECT_TRUE(directory.Has("temp/~astq22265291"));
  EXPECT_TRUE(directory.Has("temp/~astq22265292"));
}

TEST_F(TopicNewsJobTest, CliPrintsTheMessageOfADeadFirstFeed) {
  const std::string command = std::string(ORVANTA_CLI) + " topic 55 > out.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(directory.Read("out.txt"), Gbk("打开目标地址出错，请检查网络连接状况") + "\n");
}

}  // namespace
}  // namespace orvanta
