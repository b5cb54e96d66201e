#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "demo/fixture_catalog.h"
#include "demo/fixture_routes.h"
#include "demo/search_result_page.h"
#include "files/read_file.h"
#include "jobs/news_jobs.h"
#include "news/news_source_table.h"
#include "news/parse_feed.h"
#include "news/sources_file.h"
#include "text/code_page.h"

namespace orvanta::demo {
namespace {

const FixtureCatalog& Catalog() {
  static const FixtureCatalog catalog({ORVANTA_FIXTURES, ORVANTA_FIXTURES "/../../demo/fixtures"});
  return catalog;
}

// "http://host/path" as a proxy sees it.
FixtureReply AnswerAddress(const Text& address) {
  const std::size_t slash = address.find('/', 7);
  return Catalog().Answer(address.substr(7, slash - 7),
                          slash == Text::npos ? "/" : address.substr(slash));
}

TEST(SearchQuery, DecodesTheEnginesQueryAsGbk) {
  const struct {
    const char* target;
    Text expected;
    const char* covers;
  } cases[] = {
      {"/s?wd=%E6%96%B0%E9%97%BB", Gbk("新闻"), "UTF-8 from the engine becomes GBK"},
      {"/s?wd=%D0%C2%CE%C5", Gbk("新闻"), "GBK bytes stay as they are"},
      {"/search?hl=zh-CN&q=a+b", "a b", "other parameters skipped, plus is a blank"},
      {"/s?xwd=1&wd=x", "x", "a parameter whose name only ends in the name is not it"},
      {"/q?w=50%", "50%", "a percent at the end stays"},
      {"/q?w=%zz1", "%zz1", "a percent without hex digits stays"},
      {"/weibo/%E5%BE%AE%E5%8D%9A", Gbk("微博"), "the keyword in the path"},
      {"/?q=abc&c=news", "abc", "a suffix after the query"},
      {"/s?wd=", "", "an empty query"},
  };
  for (const auto& c : cases) EXPECT_EQ(SearchQuery(c.target), c.expected) << c.covers;
  const std::string page = SearchResultPage("www.baidu.com", "/s?wd=%3Cscript%3Ex%26");
  EXPECT_EQ(page.find("<script>"), std::string::npos) << "the result page escapes the query";
  EXPECT_NE(page.find("&lt;script&gt;x&amp;"), std::string::npos);
  EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
}

TEST(FixtureCatalog, NamesTheFileThatNoFolderHolds) {
  EXPECT_THAT(
      [] { FixtureCatalog catalog({"/nonexistent"}); },
      ::testing::ThrowsMessage<std::runtime_error>(::testing::HasSubstr("missing fixture feeds/")));
}

// A host missing from the routes would leave a slot empty in the demo.
TEST(FixtureCatalog, AnswersEveryFeedAddressWithAFeedAndTopicsWithDifferentFeeds) {
  std::vector<Text> addresses;
  for (const Text& number : NewsSourceNumbers())
    for (const Text& slot : LookUpNewsSource(number).slots)
      if (!slot.empty()) addresses.push_back(slot);
  for (const Text& slot : KeywordNewsSources(Gbk("新闻"))) addresses.push_back(slot);
  ASSERT_GT(addresses.size(), 150u);
  for (const Text& address : addresses) {
    const FixtureReply reply = AnswerAddress(address);
    EXPECT_EQ(reply.status, 200) << address;
    EXPECT_TRUE(reply.body.starts_with("<?xml")) << address;
    EXPECT_TRUE(reply.contentType.starts_with("text/xml")) << address;
  }

  const std::string focus = AnswerAddress(LookUpNewsSource("1").slots[0]).body;
  std::size_t items = 0;
  for (auto at = focus.find("<item>"); at != std::string::npos; at = focus.find("<item>", at + 1))
    ++items;
  EXPECT_GE(items, 15u) << "the focus topic has enough items to page";
  EXPECT_EQ(AnswerAddress(LookUpNewsSource("1").slots[0]).body, focus)
      << "one address always gets the same feed";
  std::set<std::string> firstFeeds;
  for (int number = 1; number <= 15; ++number)
    firstFeeds.insert(AnswerAddress(LookUpNewsSource(std::to_string(number)).slots[0]).body);
  EXPECT_GE(firstFeeds.size(), 2u);
}

// scripts/demo gives the program demo/sources: its first topic slot must be an Atom feed that
// the fixture server answers.
TEST(FixtureCatalog, AnswersTheAtomFeedOfTheDemosSourcesFile) {
  const auto bytes = ReadRegularFile(ORVANTA_FIXTURES "/../../demo/sources").bytes;
  ASSERT_TRUE(bytes);
  const SourcesFile file = ParseSourcesFile(*bytes, "demo/sources");
  EXPECT_TRUE(file.problems.empty());
  ASSERT_EQ(file.overrides.rows.size(), 1u);
  const Text atom = file.overrides.rows.begin()->second[0];
  EXPECT_NE(atom.find(kAtomFeedHost), Text::npos);
  Text feed = AnswerAddress(atom).body;
  EXPECT_NE(feed.find("<entry>"), Text::npos);
  Utf8ToLocal(feed);
  NewsItemStore store;
  ParseFeed(store, feed);
  EXPECT_EQ(store.titles.size(), 4u);
}

TEST(FixtureCatalog, AnswersMediaSearchAndUnknownHosts) {
  const struct {
    const char* host;
    const char* target;
    int status;
    const char* contentType;
  } cases[] = {
      {"www.youku.com", "", 200, "text/html; charset=utf-8"},
      {"www.tudou.com", "/", 200, "text/html; charset=gbk"},
      {"music.soso.com", "/index.html", 200, "text/html; charset=gbk"},
      {"www.baidu.com", "/s?wd=x", 200, "text/html; charset=gbk"},
      {"s.weibo.com", "/weibo/x", 200, "text/html; charset=gbk"},
      {"www.example.com", "/", 404, "text/html"},
      {"news.baidu.com.evil", "/n?cmd=1&", 404, "text/html"},
      {"", "/", 404, "text/html"},
  };
  for (const auto& c : cases) {
    const FixtureReply reply = Catalog().Answer(c.host, c.target);
    EXPECT_EQ(reply.status, c.status) << c.host;
    EXPECT_EQ(reply.contentType, c.contentType) << c.host;
    EXPECT_FALSE(reply.body.empty()) << c.host;
  }
  for (const auto& route : MediaRoutes())
    EXPECT_EQ(Catalog().Answer(route.host, "/").status, 200) << route.host;
}

}  // namespace
}  // namespace orvanta::demo
