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
       "2012年8月15日07:30:00 星期三", "大飞机在上海完成首次试飞。",
       "the alternate link behind a self link; updated before published; escaped summary"},
      {"新一代手机芯片发布", "http://atom.tech.example/2012/08/chip.html?a=1&amp;b=2",
       "2012年8月14日10:00:00 星期二", "芯片性能提升一倍。",
       "a link without rel, single quotes; only published; CDATA summary, its script gone"},
      {"<em>播客</em>：本周科技", "http://atom.tech.example/2012/08/podcast.mp3",
       "2012年8月13日18:00:00 星期一", "本周科技要闻回顾。",
       "no alternate: the first link; escaped html title; content; the source's title unread"},
      {"气象卫星发射成功", "http://atom.tech.example/2012/08/satellite.html",
       "2012年8月12日06:00:00 星期天", "卫星发射成功，进入预定轨道。",
       "an empty summary gives way to content; a title in CDATA is neither the entry's nor text"},
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

NewsItemStore OneAtomEntry(const std::string& childrenUtf8) {
  return Parse(Gbk("<feed><entry><title>t</title>" + childrenUtf8 + "</entry></feed>"));
}

TEST(AtomEntries, AnAtomDateReadsAsTheRssDateOfTheSameMoment) {
  const struct {
    const char* atom;
    const char* rss;
    const char* covers;
  } cases[] = {
      {"2012-08-13T18:00:00Z", "Mon, 13 Aug 2012 18:00:00 GMT", "UTC"},
      {"2012-08-15T07:30:00+08:00", "Wed, 15 Aug 2012 07:30:00 +0800", "the feed's own zone"},
      {"2012-08-14T10:00:00.000Z", "Tue, 14 Aug 2012 10:00:00 +0000", "fractional seconds"},
      {"2012-09-06t23:59:59-05:00", "Thu, 06 Sep 2012 23:59:59 -0500",
       "lower-case t, a negative zone, and the names RSS dates never read"},
      {"2012-02-29T08:00:00z", "Wed, 29 Feb 2012 08:00:00 +0000", "a leap day"},
      {"  2012-08-12T06:00:00Z\n", "Sun, 12 Aug 2012 06:00:00 +0000", "blanks around it"},
      {"2012-02-30T08:00:00Z", "2012-02-30T08:00:00Z", "no such day: taken as RSS takes it"},
      {"2012-08-13 18:00", "2012-08-13 18:00", "no seconds, no zone: as RSS takes it"},
      {"yesterday", "yesterday", "not a date at all"},
  };
  for (const auto& c : cases) {
    const NewsItemStore atom = OneAtomEntry(std::string("<updated>") + c.atom + "</updated>");
    const NewsItemStore rss = Parse(Text("<item><pubDate>") + c.rss + "</pubDate></item>");
    ASSERT_EQ(atom.dates.size(), 1u) << c.covers;
    ASSERT_EQ(rss.dates.size(), 1u) << c.covers;
    EXPECT_EQ(atom.dates[0], rss.dates[0]) << c.covers;
  }
}

TEST(AtomEntries, AnHtmlOrXhtmlSummaryShowsAsItsTextAndNothingElse) {
  const struct {
    const char* element;  // UTF-8
    const char* shown;
    const char* covers;
  } cases[] = {
      {"<summary type='html'>&lt;p&gt;港口&lt;/p&gt;&lt;script&gt;alert(1)&lt;/script&gt;</summary>",
       "港口", "escaped html with a script"},
      {"<summary type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\"><p>一</p><p>二</p>"
       "</div></summary>",
       "一 二", "xhtml: paragraphs stay apart"},
      {"<content type='html'><![CDATA[<img src=x onerror=alert(1)>图<br/>文]]></content>", "图 文",
       "content in CDATA: a picture with a handler goes whole"},
      {"<summary type='html'>a &amp;lt; b &amp;amp; c</summary>", "a &lt; b &amp; c",
       "references of the html stay for the browser"},
      {"<summary type='html'>&lt;style&gt;p{}&lt;/style&gt;&lt;!-- x --&gt;正文</summary>", "正文",
       "style and comments"},
      {"<summary type='html'>x &lt; y &gt; z</summary>", "x &lt; y &gt; z", "stray angles"},
      {"<summary type='html'>前&lt;script&gt;alert(1)</summary>", "前",
       "a script that never ends takes the rest"},
      {"<summary type='html'>&lt;a href=&quot;http://x/&quot; title=&quot;a&gt;b&quot;&gt;链接&lt;/a&gt;"
       "</summary>",
       "链接", "a quoted > inside a tag"},
      {"<summary>3 &lt; 4</summary>", "3 &lt; 4", "plain text"},
      {"<summary mode='escaped' type='text/html'>&lt;b&gt;旧&lt;/b&gt;</summary>", "旧",
       "Atom 0.3"},
  };
  for (const auto& c : cases) {
    const NewsItemStore store = OneAtomEntry(c.element);
    ASSERT_EQ(store.descriptions.size(), 1u) << c.covers;
    EXPECT_EQ(store.descriptions[0], Gbk(c.shown)) << c.covers;
    EXPECT_EQ(store.descriptions[0].find_first_of("<>"), Text::npos) << c.covers;
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
      {"<entry><link rel=\"enclosure\" href=\"e\"/><link rel=\"alternate\" href=\"a\"/></entry>", 1,
       "a", "the alternate wins over an earlier link"},
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
