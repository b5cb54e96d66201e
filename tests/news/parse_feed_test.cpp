#include "news/parse_feed.h"

#include <gtest/gtest.h>

#include <vector>

#include "news/fetch_feed.h"
#include "news/parsed_feed.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

NewsItemStore Parse(const Text& feed) { return testing::ParsedFeed(feed); }

TEST(ExtractField, TakesTheTextBetweenTheFirstTwoMarkers) {
  EXPECT_EQ(ExtractField("<title>Hello</title>", "title>"), "Hello");
  EXPECT_EQ(ExtractField("<link>a</link>", "title>"), "") << "missing marker";
  EXPECT_EQ(ExtractField("<title>Hello", "title>"), "Hello") << "no second marker";
  EXPECT_EQ(ExtractField("<title>a!!b</title>", "title>"), "a") << "a '!!' in the text ends it";
  EXPECT_EQ(ExtractField("<title>x</title><title>y</title>", "title>"), "x");
  EXPECT_EQ(ExtractField("<title>t1<title>t2</title>", "title>"), "t1<")
      << "a repeated marker leaves the '<' in front of it";
}

TEST(ParseFeed, CutsItemsAtEveryItemTag) {
  const struct {
    Text feed;
    std::size_t items;
    const char* covers;
  } rows[] = {
      {"", 0, "empty feed"},
      {"<rss><channel><title>t</title></channel></rss>", 0, "no item"},
      {"<item><title>a</title></item><item><title>b</title></item>", 2, "two items"},
      {"<item rdf:about=\"x\"><title>a</title></item>", 1, "RSS 1.0 item"},
      {"<item><title>a$$b</title></item>", 2, "a literal $$ splits the item"},
      {"$<item><title>a</title></item>", 1, "a '$' in front only moves the start"},
  };
  for (const auto& row : rows) EXPECT_EQ(Parse(row.feed).titles.size(), row.items) << row.covers;

  const NewsItemStore store = Parse("<item><title>a$$b</title><link>l</link></item>");
  EXPECT_EQ(store.titles[0], "a");
  EXPECT_EQ(store.titles[1], "<link>llink>item>") << "one marker: the field runs to the end";
  EXPECT_EQ(store.links[1], "l");
  EXPECT_EQ(store.dates[0], Gbk("年月日 ")) << "an item without a date still gets one";
}

TEST(ParseFeed, AppendsOnlyAsManyItemsAsTheStoreHasRoomFor) {
  const Text three =
      "<item><title>a</title></item><item><title>b</title></item>"
      "<item><title>c</title></item>";
  NewsItemStore store;
  ParseFeed(store, three, 2);
  EXPECT_EQ(store.titles, (TextArray{"a", "b"}));
  ParseFeed(store, three, 4);
  EXPECT_EQ(store.titles, (TextArray{"a", "b", "a", "b"})) << "behind what it holds";
  ParseFeed(store, three, 4);
  EXPECT_EQ(store.titles.size(), 4u) << "a full store takes nothing";
  EXPECT_EQ(store.descriptions.size(), 4u);

  NewsItemStore dollars;
  ParseFeed(dollars, Text(1 << 20, '$'), 1000);
  EXPECT_EQ(dollars.titles.size(), 1000u) << "a feed of nothing but item marks";
}

enum Match { kIs, kEnds, kHas, kLacks };

bool Matches(const Text& value, Match match, const Text& piece) {
  switch (match) {
    case kIs:
      return value == piece;
    case kEnds:
      return value.ends_with(piece);
    case kHas:
      return value.find(piece) != Text::npos;
    case kLacks:
      return value.find(piece) == Text::npos;
  }
  return false;
}

struct FieldCheck {
  std::size_t item;
  TextArray NewsItemStore::*field;
  Match match;
  std::string utf8;  // compared in code page 936
  const char* covers;
};

// Recorded feeds of each service, read as the download hands them on.
TEST(ParseFeed, CleansTheRecordedFeedsOfEachService) {
  const auto title = &NewsItemStore::titles, link = &NewsItemStore::links,
             date = &NewsItemStore::dates, text = &NewsItemStore::descriptions;
  const struct {
    const char* fixture;
    std::size_t items;
    std::vector<FieldCheck> checks;
  } feeds[] = {
      {"sina_gbk_cdata_redirect_links.xml",
       2,
       {{0, link, kIs, "http://sports.sina.com.cn/j/2012-08-14/10006182001.shtml", "redirect"},
        {0, text, kIs, "<p>　　新浪体育讯　北京时间8月14日，<b>国安</b>主场迎战鲁能。p><p>下半场p>",
         "CDATA and closing tags"}}},
      {"google_news_utf8_redirect_tables.xml",
       1,
       {{0, link, kIs, "http://news.xinhuanet.com/local/2012-08/08/c_112652.htm", "redirect"},
        {0, text, kHas, "href=\"http://news.google.com/news/&amp;url=http://news.xinhuanet",
         "the piece of the wrapper that stays"},
        {0, text, kLacks, "url?sa=", "wrapper"}}},
      {"baidu_image_proxy_pictures.xml",
       2,
       {{1, text, kIs,
         "<a href=\"http://www.people.com.cn/n/2012/1215/c1001.html\"><img src=http://"
         "www.people.com.cn/mediafile/pic/1.jpg border=0 width=80 height=60></a>航天发展报告发布。",
         "proxy and suffix"},
        {0, text, kHas, "a.jpg&amp;fm=30",
         "the table carries an earlier \"border=0\": the piece is empty"}}},
      {"soso_long_text_preview.xml", 1, {{0, text, kEnds, "...", "a long text is cut"}}},
      {"youdao_topic_symbol_links.xml",
       1,
       {{0, text, kIs,
         "伦敦奥运会落下帷幕  <img border='0' src=\"http://news.youdao.com/p/1.jpg\"><br>",
         "topic decorations"}}},
      {"rss10_rdf_items.xml",
       3,
       {{1, title, kIs, "高考录取工作结束", "the channel's <items> opens an item too"},
        {1, date, kIs, "年月日 ", "dc:date is not a pubDate"}}},
      {"odd_dates.xml", 8, {{4, date, kIs, "2012年6月日 ", "June in the first token"}}},
      {"hostile_feed_content.xml",
       3,
       {{0, link, kIs, "about:blank", "script link"},
        {1, link, kIs, "http://news.163.com/a.html%27 onmouseover=%27alert(1)", "quote in a link"},
        {0, text, kIs,
         "<p>正文<img src=x data-blocked-error=alert(1)> <a href=\"about:blank\">点我</a>"
         "&lt;ScRiPt src=http://evil.example/x.js>ScRiPt>&lt;iframe "
         "src=\"http://evil.example/\">iframe>",
         "inert"},
        {1, text, kEnds, "<img src=\"http://x/\">", "an unfinished tag is closed"},
        {2, text, kHas, "<img src=x data-blocked-error=alert(2)>",
         "the image behind the comment's end is live and so checked"}}},
  };
  for (const auto& feed : feeds) {
    Text body = testing::ReadFixture(std::string("feeds/") + feed.fixture);
    if (FeedIsUtf8("", body)) Utf8ToLocal(body);
    const NewsItemStore store = Parse(body);
    ASSERT_EQ(store.titles.size(), feed.items) << feed.fixture;
    for (const TextArray* fields : {&store.titles, &store.descriptions})
      for (const Text& field : *fields)
        EXPECT_EQ(field.find("<script"), Text::npos) << feed.fixture << ": " << field;
    for (const FieldCheck& c : feed.checks) {
      const Text& value = (store.*c.field).at(c.item);
      EXPECT_TRUE(Matches(value, c.match, Gbk(c.utf8)))
          << feed.fixture << " item " << c.item << ", " << c.covers << ":\n"
          << value;
    }
  }
}

}  // namespace
}  // namespace orvanta
