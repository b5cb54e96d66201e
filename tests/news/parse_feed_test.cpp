#include "news/parse_feed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "text/code_page.h"

namespace orvanta {
namespace {

Text ReadFixture(const char* name, bool utf8) {
  std::ifstream file(std::string(ORVANTA_FIXTURES) + "/feeds/" + name, std::ios::binary);
  Text feed((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_FALSE(feed.empty()) << name;
  if (utf8) Utf8ToLocal(feed);  // as the download hands it on
  return feed;
}

NewsItemStore Parse(const Text& feed) {
  NewsItemStore store;
  ParseFeed(store, feed);
  EXPECT_EQ(store.links.size(), store.titles.size());
  EXPECT_EQ(store.dates.size(), store.titles.size());
  EXPECT_EQ(store.descriptions.size(), store.titles.size());
  return store;
}

TEST(ExtractField, TakesTheTextBetweenTheFirstTwoMarkers) {
  EXPECT_EQ(ExtractField("<title>Hello</title>", "title>"), "Hello");
  EXPECT_EQ(ExtractField("<link>a</link>", "title>"), "") << "missing marker";
  EXPECT_EQ(ExtractField("<title>Hello", "title>"), "Hello") << "no second marker";
  EXPECT_EQ(ExtractField("<title>a!!b</title>", "title>"), "a") << "a '!!' in the text ends it";
  EXPECT_EQ(ExtractField("<title>x</title><title>y</title>", "title>"), "x");
  EXPECT_EQ(ExtractField("<title>A!!B</title>", "title>"), "A") << "the field before a '!!'";
  EXPECT_EQ(ExtractField("<title>t1<title>t2</title>", "title>"), "t1<")
      << "a repeated marker leaves the '<' in front of it";
}

TEST(ParseFeed, CutsItemsAtEveryItemTag) {
  struct Row {
    Text feed;
    std::size_t items;
    const char* covers;
  };
  const Row rows[] = {
      {"", 0, "empty feed"},
      {"<rss><channel><title>t</title></channel></rss>", 0, "no item"},
      {"<item><title>a</title></item><item><title>b</title></item>", 2, "two items"},
      {"<item rdf:about=\"x\"><title>a</title></item>", 1, "RSS 1.0 item"},
      {"<item><title>a$$b</title></item>", 2, "a literal $$ splits the item"},
      {"$<item><title>a</title></item>", 1, "a '$' in front only moves the start"},
  };
  for (const Row& row : rows) EXPECT_EQ(Parse(row.feed).titles.size(), row.items) << row.covers;

  const NewsItemStore store = Parse("<item><title>a$$b</title><link>l</link></item>");
  EXPECT_EQ(store.titles[0], "a");
  EXPECT_EQ(store.titles[1], "<link>llink>item>") << "one marker: the field runs to the end";
  EXPECT_EQ(store.links[1], "l");
  EXPECT_EQ(store.dates[0], Gbk("年月日 ")) << "an item without a date still gets one";
}

TEST(ParseFeed, AppendsBehindWhatTheStoreHolds) {
  NewsItemStore store;
  ParseFeed(store, "<item><title>a</title></item>");
  ParseFeed(store, "<item><title>b</title></item>");
  ASSERT_EQ(store.titles.size(), 2u);
  EXPECT_EQ(store.titles[1], "b");
}

TEST(ParseFeed, StopsWhenTheStoreHoldsItsLimit) {
  const Text three = "<item><title>a</title></item><item><title>b</title></item>"
                     "<item><title>c</title></item>";
  NewsItemStore store;
  ParseFeed(store, three, 2);
  EXPECT_EQ(store.titles, (TextArray{"a", "b"}));
  ParseFeed(store, three, 4);
  EXPECT_EQ(store.titles, (TextArray{"a", "b", "a", "b"})) << "only the room that is left";
  ParseFeed(store, three, 4);
  EXPECT_EQ(store.titles.size(), 4u) << "a full store takes nothing";
  EXPECT_EQ(store.descriptions.size(), 4u);

  NewsItemStore dollars;
  ParseFeed(dollars, Text(1 << 20, '$'), 1000);
  EXPECT_EQ(dollars.titles.size(), 1000u) << "a feed of nothing but item marks";
}

TEST(ParseFeed, ReadsSinaFeedsInGbk) {
  const NewsItemStore store = Parse(ReadFixture("sina_gbk_cdata_redirect_links.xml", false));
  ASSERT_EQ(store.titles.size(), 2u);
  EXPECT_EQ(store.titles[0], Gbk("中超：国安主场2比1胜鲁能"));
  EXPECT_EQ(store.links[0], "http://sports.sina.com.cn/j/2012-08-14/10006182001.shtml");
  EXPECT_EQ(store.dates[0], Gbk("2012年8月14日10:00:00 星期二"));
  EXPECT_EQ(store.descriptions[0],
            Gbk("<p>　　新浪体育讯　北京时间8月14日，<b>国安</b>主场迎战鲁能。p><p>下半场p>"));
  EXPECT_EQ(store.descriptions[1], Gbk("湖人队<font color=\"#ff0000\">官方</font>宣布签约。"));
}

TEST(ParseFeed, UnwrapsGoogleRedirectsAndKeepsTheirTables) {
  const NewsItemStore store = Parse(ReadFixture("google_news_utf8_redirect_tables.xml", true));
  ASSERT_EQ(store.titles.size(), 1u);
  EXPECT_EQ(store.links[0], "http://news.xinhuanet.com/local/2012-08/08/c_112652.htm");
  const Text& description = store.descriptions[0];
  EXPECT_EQ(description.rfind("<table border=\"0\" cellpadding=\"2\"", 0), 0u);
  EXPECT_NE(description.find("<img src=\"http://nt1.ggpht.com/news/tbn/abc/6.jpg\""), Text::npos);
  EXPECT_NE(description.find("href=\"http://news.google.com/news/&amp;url=http://news.xinhuanet"),
            Text::npos);
  EXPECT_EQ(description.find("url?sa="), Text::npos);
  EXPECT_EQ(description.find("and more"), Text::npos);
  EXPECT_EQ(description.find("size=\"-1\""), Text::npos);
  EXPECT_NE(description.find("</table>"), Text::npos);
}

TEST(ParseFeed, TakesBaiduPicturesOutOfTheProxy) {
  const NewsItemStore store = Parse(ReadFixture("baidu_image_proxy_pictures.xml", false));
  ASSERT_EQ(store.titles.size(), 2u);
  EXPECT_EQ(store.titles[1], Gbk("人民网：<font color=\"#ff0000\">航天</font>发展报告"));
  EXPECT_EQ(store.descriptions[1],
            Gbk("<a href=\"http://www.people.com.cn/n/2012/1215/c1001.html\"><img "
                "src=http://www.people.com.cn/mediafile/pic/1.jpg border=0 width=80 "
                "height=60></a>航天发展报告发布。"));
  // The first picture's table carries an earlier "border=0": the piece is empty.
  EXPECT_NE(store.descriptions[0].find("a.jpg&amp;fm=30"), Text::npos);
}

TEST(ParseFeed, CutsLongSosoTexts) {
  const NewsItemStore store = Parse(ReadFixture("soso_long_text_preview.xml", false));
  ASSERT_EQ(store.descriptions.size(), 1u);
  EXPECT_EQ(store.descriptions[0].size(), 303u);
  EXPECT_EQ(store.descriptions[0].rfind("<a href=\"http://news.soso.com/n.q?id=12345\">", 0), 0u);
}

TEST(ParseFeed, DropsYoudaoTopicDecorations) {
  const NewsItemStore store = Parse(ReadFixture("youdao_topic_symbol_links.xml", true));
  ASSERT_EQ(store.descriptions.size(), 1u);
  EXPECT_EQ(store.descriptions[0],
            Gbk("伦敦奥运会落下帷幕  <img border='0' src=\"http://news.youdao.com/p/1.jpg\"><br>"));
}

TEST(ParseFeed, ReadsRss10ItemsWithoutDates) {
  const NewsItemStore store = Parse(ReadFixture("rss10_rdf_items.xml", false));
  ASSERT_EQ(store.titles.size(), 3u) << "the channel's <items> opens an item too";
  EXPECT_EQ(store.titles[1], Gbk("高考录取工作结束"));
  EXPECT_EQ(store.links[2], "http://edu.ce.cn/2.shtml");
  EXPECT_EQ(store.dates[1], Gbk("年月日 ")) << "dc:date is not a pubDate";
}

TEST(ParseFeed, RewritesOddDates) {
  const NewsItemStore store = Parse(ReadFixture("odd_dates.xml", false));
  const char* expected[] = {"2012年8月14日10:00:00 星期二", "年月日07:05:00 ",
                            "Sun  03 Jun 2012 23:59:59 -0700", "2012-08-14 10:00:00 ",
                            "2012年6月日 ", "年3月14日 ", "年月日 ", "年月日 "};
  ASSERT_EQ(store.dates.size(), std::size(expected));
  for (std::size_t k = 0; k < store.dates.size(); ++k)
    EXPECT_EQ(store.dates[k], Gbk(expected[k])) << "item " << k;
}

TEST(ParseFeed, HostileItemsComeOutInert) {
  const NewsItemStore store = Parse(ReadFixture("hostile_feed_content.xml", false));
  ASSERT_EQ(store.titles.size(), 3u);
  EXPECT_EQ(store.links[0], "about:blank");
  EXPECT_EQ(store.links[1], "http://news.163.com/a.html%27 onmouseover=%27alert(1)");
  EXPECT_EQ(store.descriptions[0],
            Gbk("<p>正文<img src=x data-blocked-error=alert(1)> <a href=\"about:blank\">点我</a>"
                "&lt;ScRiPt src=http://evil.example/x.js>ScRiPt>&lt;iframe "
                "src=\"http://evil.example/\">iframe>"));
  EXPECT_EQ(store.descriptions[1].substr(store.descriptions[1].size() - 21),
            "<img src=\"http://x/\">") << "an unfinished tag is closed";
  EXPECT_NE(store.descriptions[2].find("<img src=x data-blocked-error=alert(2)>"), Text::npos)
      << "the image behind the comment's end is live and so checked";
  for (const TextArray* fields : {&store.titles, &store.descriptions})
    for (const Text& field : *fields) EXPECT_EQ(field.find("<script"), Text::npos);
}

TEST(OrvantaCli, ParsePrintsFourNulTerminatedFieldsPerItem) {
  const std::string command = std::string(ORVANTA_CLI) + " parse < " + ORVANTA_FIXTURES +
                              "/feeds/sina_gbk_cdata_redirect_links.xml";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, read);
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(std::count(output.begin(), output.end(), '\0'), 8);
  EXPECT_EQ(output.rfind(Gbk("中超：国安主场2比1胜鲁能") + '\0' + "http://sports.sina.com.cn/", 0), 0u);
}

}  // namespace
}  // namespace orvanta
