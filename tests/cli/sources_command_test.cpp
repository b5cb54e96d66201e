#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "favorites/temp_folder.h"
#include "support/loopback_server.h"
#include "support/run_cli.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::RunCli;
using orvanta::testing::ScopedEnvironment;
using orvanta::testing::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A config folder of the test's own, with or without a sources file.
class SourcesCommandTest : public ::testing::Test {
 protected:
  TempFolder config;
  ScopedEnvironment configHome{"XDG_CONFIG_HOME", config.Path()};
};

TEST_F(SourcesCommandTest, ListsTheBuiltInTableInUtf8) {
  const auto result = RunCli({"sources"});
  EXPECT_EQ(result.status, 0);
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 15u + 34u + 1u);
  EXPECT_EQ(lines[0],
            "1\thttp://news.baidu.com/n?cmd=1&class=civilnews&tn=rss&sub=0"
            "\thttp://news.google.com/news?pz=1&cf=i&ned=cn&hl=zh-CN&topic=po&output=rss"
            "\thttp://news.163.com/special/00011K6L/rss_newstop.xml"
            "\thttp://news.youdao.com/top?ct=all&doctype=rss"
            "\thttp://news.soso.com/news?ty=cls&ofmt=xml&src=-11&kd=t&w=jiaodian"
            "\thttp://rss.sina.com.cn/news/marquee/ddt.xml");
  EXPECT_EQ(
      lines[47],
      "53\thttp://news.baidu.com/n?cmd=7&loc=7915&name=%CE%F7%B2%D8&tn=rss"
      "\thttp://news.google.cn/news?q=西藏&output=rss&ie=UTF-8 "
      "\thttp://news.baidu.com/ns?word=%ce%f7%b2%d8&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class="
      "\t\t\t")
      << "the raw name in UTF-8, the blank kept, empty slots as empty fields";
  EXPECT_EQ(
      lines.back(),
      "keyword\thttp://news.baidu.com/ns?word={keyword}&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class="
      "\thttp://news.youdao.com/search?q={keyword}&doctype=rss"
      "\thttp://news.jike.com/rss/query/{keyword}.xml"
      "\thttp://rss.soso.com/rss?tag=1&src=-10&ofmt=xml&kd=n&full=1&w={keyword}"
      "\thttp://news.google.com/news?pz=1&cf=all&ned=cn&hl=zh-CN&q={keyword}&output=rss"
      "\tbuilt-in");
  const std::vector<std::string> wrong[] = {{"sources", "--chek"},
                                            {"sources", "--check", "x"},
                                            {"sources", "--check", "--within"},
                                            {"sources", "--check", "--within", "0"},
                                            {"sources", "--check", "--within", "1s"},
                                            {"sources", "--within", "5"},
                                            {"sources", "--check", "--within", "5", "x"}};
  for (const auto& arguments : wrong)
    EXPECT_EQ(RunCli(arguments).status, 2) << ::testing::PrintToString(arguments);
}

TEST_F(SourcesCommandTest, ShowsTheFilesRowsAndReportsItsBadLinesOnStandardError) {
  config.Write("orvanta/sources",
               "22\thttp://n.example/上海.xml\t\thttp://m.example/\n"
               "keyword\thttp://k.example/?q={keyword}\tutf8\n"
               "30\tnews.example\n");
  const auto result = RunCli({"sources"});
  EXPECT_EQ(result.status, 0);
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_EQ(lines[16], "22\thttp://n.example/上海.xml\t\thttp://m.example/\t\t\t");
  EXPECT_EQ(lines.back(), "keyword\thttp://k.example/?q={keyword}\t\t\t\t\tutf8");
  EXPECT_EQ(result.err, "新闻源文件有误，出错之处未被采用，那些新闻源仍用内置的：\n" +
                            config.Path() +
                            "/orvanta/sources 第3行：第1个地址不是 http 或 https 地址\n");
}

TEST_F(SourcesCommandTest, CheckFetchesEveryDistinctAddressAndMarksTheDeadOnesFailed) {
  LoopbackServer server;
  orvanta::testing::ProxyEnvironment proxy(server.Address(""));
  server.ServeFixture("rss.example", "/a.xml", "news_pages/baidu_sports_4_items.xml");
  server.ServeFixture("atom.tech.example", "/feed.atom", "feeds/atom_tech_entries_utf8.xml");
  std::string dead;
  {
    LoopbackServer gone;
    dead = gone.Address("/dead.xml");
  }
  config.Write("orvanta/sources",
               "1\thttp://rss.example/a.xml\thttp://atom.tech.example/feed.atom"
               "\t" +
                   dead + "\thttp://rss.example/a.xml\n");
  // The dead port is reached directly, every service host through the loopback proxy.
  ScopedEnvironment direct("no_proxy", "127.0.0.1");
  const auto result = RunCli({"sources", "--check"});
  EXPECT_EQ(result.status, 1);
  const auto lines = Lines(result.out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "ok 4\thttp://rss.example/a.xml");
  EXPECT_EQ(lines[1], "ok 4\thttp://atom.tech.example/feed.atom");
  EXPECT_EQ(lines[2], "failed\t" + dead);
  EXPECT_EQ(server.Hits("rss.example", "/a.xml"), 1) << "an address given twice is fetched once";
  // Every other address is answered 404: read, no items.
  EXPECT_EQ(lines[3], "ok 0\thttp://news.baidu.com/n?cmd=4&class=civilnews&tn=rss");
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("ok 0\thttp://news.google.cn/news?q=%C9%CF%BA%A3&output=rss&ie=UTF-8"))
      << "addresses as requested";
  EXPECT_TRUE(has("ok 0\thttp://news.jike.com/rss/query/%E6%96%B0%E9%97%BB.xml"))
      << "the keyword feeds with a keyword";
  const std::string total = std::to_string(lines.size());
  EXPECT_TRUE(result.err.ends_with("checked " + total + " of " + total + " feeds\n")) << result.err;
}

// Eleven feeds that trickle a byte every half second would hold the check for two minutes.
TEST_F(SourcesCommandTest, CheckEndsWithinItsBoundAndSaysWhatItCutShort) {
  LoopbackServer server;
  orvanta::testing::ProxyEnvironment proxy(server.Address(""));
  server.ServeFixture("rss.example", "/a.xml", "news_pages/baidu_sports_4_items.xml");
  std::string rows = "1\thttp://rss.example/a.xml";
  std::vector<std::string> trickling;
  for (int k = 1; k <= 11; ++k) {
    trickling.push_back("http://slow.example/" + std::to_string(k) + ".xml");
    server.Trickle("slow.example", "/" + std::to_string(k) + ".xml");
    rows += (k == 6 ? "\n2\t" : "\t") + trickling.back();
  }
  config.Write("orvanta/sources", rows + "\n");
  const auto result = RunCli({"sources", "--check", "--within", "5"});
  ASSERT_FALSE(result.timedOut);
  EXPECT_EQ(result.status, 1);
  const auto lines = Lines(result.out);
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[0], "ok 4\thttp://rss.example/a.xml");
  for (std::size_t k = 0; k < trickling.size(); ++k)
    EXPECT_EQ(lines[k + 1], "failed\t" + trickling[k]);
  const std::string total = std::to_string(lines.size());
  EXPECT_NE(result.err.find("checked " + total + " of " + total + " feeds\n" +
                            std::to_string(lines.size() - 1) +
                            " feeds had not answered when the check's 5 s were up"),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace orvanta
