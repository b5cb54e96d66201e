#include "news/atom_entries.h"

#include <gtest/gtest.h>

#include "news/parse_feed.h"
#include "news/parsed_feed.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

NewsItemStore Parse(const Text& feed) { return testing::ParsedFeed(feed); }

TEST(AtomEntries, ReadsAtomEntriesAsItems) {
  Text feed = testing::ReadFixture("feeds/atom_tech_entries_utf8.xml");
  Utf8ToLocal(feed);  // as the download hands it on
  const struct {
    std::string title, link, date, description;  // UTF-8
    const char* covers;
  } cases[] = {
      {"国产大飞机完成首次试飞", "http://atom.tech.example/2012/08/plane.html",
       "2012-08-15 07:30:00+08:00", "<b>大飞机</b>在上海完成首次试飞。",
       "the alternate link behind a self link; updated before published; escaped summary"},
      {"新一代手机芯片发布", "http://atom.tech.example/2012/08/chip.html?a=1&amp;b=2",
       "2012-08-14 10:00:00 ", "<p>芯片性能提升一倍。p>&lt;script>alert(1)script>",
       "a link without rel, single quotes; only published; CDATA summary, its script made inert"},
      {"<em>播客</em>：本周科技", "http://atom.tech.example/2012/08/podcast.mp3",
       "2012-08-13 18:00:00Z", "<p>本周科技要闻回顾。</p>",
       "no alternate: the first link; escaped html title; content; the source's title unread"},
      {"气象卫星发射成功", "http://atom.tech.example/2012/08/satellite.html",
       "2012-08-12 06:00:00Z", "&lt;title>不是标题title><p>卫星发射成功，进入预定轨道。p>",
       "an empty summary gives way to content; a title in CDATA is not the entry's"},
  };
  const NewsItemStore store = Parse(feed);
  ASSERT_EQ(store.titles.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    EXPECT_EQ(store.titles[k], Gbk(cases[k].title)) << cases[k].covers;
    EXPECT_EQ(store.links[k], Gbk(cases[k].link)) << cases[k].covers;
    EXPECT_EQ(store.dates[k], Gbk(cases[k].date)) << cases[k].covers;
    EXPECT_EQ(store.descriptions[k], Gbk(cases[k].description)) << cases[k].covers;
  }
}

TEST(AtomEntries, TakesAtomOnlyWhereNoRssItemStandsAndReadsLinkAttributesInOrder) {
  const struct {
    Text feed;
    std::size_t items;
    const char* first;  // the first item's title, or its link for a feed of links
    const char* covers;
  } cases[] = {
      {"<item><title>r</title></item><entry><title>a</title></entry>", 1, "r",
       "an RSS item anywhere keeps the body RSS"},
      {"<feed><entry><title>a</title></entry><entry><title>b</title></entry></feed>", 2, "a",
       "two entries"},
      {"<entry xml:lang='zh'><title>a</title></entry>", 1, "a", "an entry with attributes"},
      {"<entryset><title>a</title></entryset>", 0, nullptr, "a longer name is not an entry"},
      {"<entry><title>a</title>", 1, "a", "an entry that never closes runs to the end"},
      {"<entry><title>a</title></entry><entry", 1, "a", "a start tag cut off ends the feed"},
      {"<entry><title>a</title></entry>$$<entry><title>b</title></entry>", 2, "a",
       "a literal $$ does not split an Atom entry"},
      {"<entry><link title='href=\"no\"' href=\"yes\"/></entry>", 1, "yes",
       "a name inside a value"},
      {"<entry><link rel = 'alternate' href = yes /></entry>", 1, "yes",
       "blanks around = and a bare value"},
      {"<entry><link rel=\"enclosure\" href=\"e\"/><link rel=\"alternate\" href=\"a\"/></entry>",
       1, "a", "the alternate wins over an earlier link"},
  };
  for (const auto& c : cases) {
    const NewsItemStore store = Parse(c.feed);
    ASSERT_EQ(store.titles.size(), c.items) << c.covers;
    if (!c.first) continue;
    EXPECT_EQ(store.titles[0].empty() ? store.links[0] : store.titles[0], c.first) << c.covers;
  }
}

}  // namespace
}  // namespace orvanta
