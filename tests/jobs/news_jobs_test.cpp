#include "jobs/news_jobs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "favorites/temp_folder.h"
#include "net/service_hosts.h"
#include "news/sources_file.h"
#include "pages/advert_script.h"
#include "pages/page_navigation.h"
#include "pages/search_frame.h"
#include "support/loopback_server.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

std::string Host(std::string_view host) { return std::string(host); }

TEST(KeywordNewsSources, PutTheKeywordUnchangedIntoAllFiveAndOnlyJikeInUtf8) {
  const Text keyword = Gbk("体育") + " b&c";
  const std::array<Text, 5> expected = {
      "http://news.baidu.com/ns?word=" + keyword + "&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class=",
      "http://news.youdao.com/search?q=" + keyword + "&doctype=rss",
      "http://news.jike.com/rss/query/体育 b&c.xml",  // this file is UTF-8
      "http://rss.soso.com/rss?tag=1&src=-10&ofmt=xml&kd=n&full=1&w=" + keyword,
      "http://news.google.com/news?pz=1&cf=all&ned=cn&hl=zh-CN&q=" + keyword + "&output=rss",
  };
  EXPECT_EQ(KeywordNewsSources(keyword), expected);
  EXPECT_EQ(KeywordNewsSources(keyword, SourceOverrides{}), expected)
      << "no keyword line in the sources file: the built-in feeds";
}

TEST(KeywordNewsSources, FillTheSourcesFilesTemplatesWithTheEscapedKeyword) {
  SourceOverrides overrides;
  overrides.keyword = KeywordTemplates{
      {"http://k.example/s?q={keyword}&o=rss", "", "http://k.example/{keyword}/{keyword}.xml"},
      KeywordEncoding::kGbk};
  const struct {
    Text keyword;
    KeywordEncoding encoding;
    std::string escaped;
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
    EXPECT_EQ(
        KeywordNewsSources(c.keyword, overrides),
        (std::array<Text, 5>{"http://k.example/s?q=" + c.escaped + "&o=rss", "",
                             "http://k.example/" + c.escaped + "/" + c.escaped + ".xml", "", ""}))
        << c.covers;
  }
}

// Jobs write under the current directory: each test runs in a fresh one with "temp" in it.
class FreshWorkingDirectory : public testing::TempFolder {
 public:
  FreshWorkingDirectory() : previous_(std::filesystem::current_path()) {
    std::filesystem::create_directory(At("temp"));
    std::filesystem::current_path(Path());
  }
  ~FreshWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }

 private:
  std::filesystem::path previous_;
};

class TopicNewsJobTest : public ::testing::Test {
 protected:
  // Topic 9 (sports) through the service hosts.
  void ServeTopicNine() {
    const struct {
      std::string_view host;
      const char* target;
      const char* fixture;
    } feeds[] = {
        {hosts::kBaiduNews, "/n?cmd=4&class=sportnews&tn=rss", "baidu_sports_4_items.xml"},
        {hosts::kGoogleNews, "/news?cf=i&ned=cn&hl=zh-CN&topic=s&output=rss",
         "google_sports_3_items_utf8.xml"},
        {hosts::kSohuNews, "/rss/sports.xml", "sohu_sports_2_items.xml"},
        {hosts::kYoudaoNews, "/top?ct=gym&doctype=rss", "youdao_sports_1_item.xml"},
        {hosts::kSosoNewsInformation, "/news?ty=cls&ofmt=xml&src=-11&kd=ft&w=sport",
         "soso_sports_1_item.xml"},
        {hosts::kSinaFeed, "/roll/sports/hot_roll.xml", "sina_sports_1_item.xml"},
    };
    for (const auto& feed : feeds)
      server.ServeFixture(Host(feed.host), feed.target, std::string("news_pages/") + feed.fixture);
  }

  testing::LoopbackServer server;
  testing::ProxyEnvironment proxy{server.Address("")};
  FreshWorkingDirectory directory;
};

TEST_F(TopicNewsJobTest, WritesTenItemsAPageFromAllSixFeedsInSlotOrder) {
  ServeTopicNine();
  std::vector<FeedProgress> calls;
  const NewsJobResult result =
      RunTopicNewsJob("9", [&](const FeedProgress& progress) { calls.push_back(progress); });
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.firstPage, "temp/~astq22265291");
  ASSERT_EQ(calls.size(), 7u) << "once at the start, once as each feed ends";
  EXPECT_EQ(calls.front().pendingHost, Host(hosts::kBaiduNews));
  EXPECT_EQ(calls.back().feedsDone, 6);
  EXPECT_EQ(calls.back().feedsTotal, 6);

  const Text first = directory.Read("temp/~astq22265291");
  const Text second = directory.Read("temp/~astq22265292");
  EXPECT_FALSE(directory.Has("temp/~astq22265293"));
  const Text title = Gbk("体育");
  const Text bar = PageNavigation(1, 2, "temp/~astq2226529");
  const Text opening = SubscribeLinks(title) + "<br>" + BuildNewsPageHead(title) + "<br>" + bar +
                       "<br><br><a href='http://sports.baidu.example/a/1.html'";
  EXPECT_TRUE(first.starts_with(opening));
  EXPECT_TRUE(first.ends_with("<br><br>" + bar + "<br><br>" + BuildAdvertScript(1) + "<br><br>"));
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
}

TEST_F(TopicNewsJobTest, ADeadFirstFeedOrAnUnknownNumberShowsTheMessageAndWritesNothing) {
  server.Serve(Host(hosts::kBaiduNews), "/n?cmd=7&loc=2354&name=%C9%CF%BA%A3&tn=rss", "");
  server.ServeFixture(Host(hosts::kGoogleNewsChina), "/news?q=%C9%CF%BA%A3&output=rss&ie=UTF-8",
                      "news_pages/baidu_region_3_items.xml");
  server.ServeFixture(Host(hosts::kBaiduNews),
                      "/ns?word=%c9%cf%ba%a3&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class=",
                      "news_pages/baidu_region_3_items.xml");
  for (const char* number : {"22", "16"}) {
    const NewsJobResult result = RunTopicNewsJob(number);
    ASSERT_TRUE(result.message) << number;
    EXPECT_EQ(*result.message, Gbk("打开目标地址出错，请检查网络连接状况")) << number;
    EXPECT_EQ(result.firstPage, "") << number;
    EXPECT_FALSE(directory.Has("temp/~astq22265291")) << number;
  }
}

TEST_F(TopicNewsJobTest, CliWritesThePagesIntoTheCurrentDirectoryOrPrintsTheMessage) {
  ServeTopicNine();
  std::filesystem::remove(directory.At("temp"));  // the job makes it itself
  const auto written = RunCli({"topic", "9"});
  EXPECT_EQ(written.status, 0);
  EXPECT_EQ(written.out, "");
  EXPECT_TRUE(directory.Has("temp/~astq22265291"));
  EXPECT_TRUE(directory.Has("temp/~astq22265292"));
  const auto unknown = RunCli({"topic", "55"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.out, Gbk("打开目标地址出错，请检查网络连接状况") + "\n");
}

// A user's sources file in a config folder of the test's own.
class SourcesFileJobTest : public TopicNewsJobTest {
 protected:
  void WriteSources(const std::string& utf8) { config.Write("orvanta/sources", utf8); }

  testing::TempFolder config;
  testing::ScopedEnvironment configHome{"XDG_CONFIG_HOME", config.Path()};
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
                          Gbk("国产大飞机完成首次试飞</a> 2012年8月15日07:30:00 星期三<br>");
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
  EXPECT_EQ(result.firstPage, "temp/~astq11165291");
  EXPECT_EQ(server.Hits("k.example", "/s?q=%E4%BD%93%E8%82%B2&f=rss"), 1);
  EXPECT_NE(directory.Read("temp/~astq11165291").find(Gbk("搜狐体育 2")), Text::npos);
}

TEST_F(SourcesFileJobTest, AnEditCountsFromTheNextJobOn) {
  server.Serve("a.example", "/1.xml", "");
  WriteSources("9\thttp://a.example/1.xml\n");
  EXPECT_TRUE(RunTopicNewsJob("9").message) << "the file's dead feed";
  ServeTopicNine();
  WriteSources("# nothing replaced\n");
  EXPECT_FALSE(RunTopicNewsJob("9").message) << "the built-in feeds again";
  EXPECT_EQ(server.Hits("a.example", "/1.xml"), 1);
}

// Each run of orvanta-cli is a run of its own: its first read reports, on standard error.
TEST_F(SourcesFileJobTest, CliReportsBadLinesOnStandardErrorAndUsesTheBuiltInRow) {
  ServeTopicNine();
  WriteSources("9\tnot-an-address\n77\thttp://a.example/\n");
  const auto result = RunCli({"topic", "9"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "新闻源文件有误，出错之处未被采用，那些新闻源仍用内置的：\n" +
                            config.Path() +
                            "/orvanta/sources 第1行：第1个地址不是 http 或 https 地址\n" +
                            config.Path() + "/orvanta/sources 第2行：“77”不是新闻源表中的编号\n");
  EXPECT_NE(directory.Read("temp/~astq22265291").find(Gbk("百度体育 4")), Text::npos);
}

}  // namespace
}  // namespace orvanta
