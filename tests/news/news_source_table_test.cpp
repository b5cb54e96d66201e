#include "news/news_source_table.h"

#include <gtest/gtest.h>

#include <string>

#include "text/code_page.h"
#include "text/percent_escape.h"

namespace orvanta {
namespace {

// A few rows that depart from the pattern of their kind; topic 1, region 53 and the keyword
// feeds are printed whole by the sources command's test.
TEST(LookUpNewsSource, GivesTheRowsAddresses) {
  const struct {
    const char* number;
    int slot;  // counted from 1
    std::string expected;
  } cases[] = {
      {"11", 3, "http://rss.sina.com.cn/blog/games/yx.xml"},
      {"15", 2, "http://news.baidu.com/n?cmd=4&class=socianews&tn=rss"},
      {"21", 1, "http://news.baidu.com/n?cmd=7&loc=0&name=%B1%B1%BE%A9&tn=rss"},
      {"22", 3,
       "http://news.baidu.com/ns?word=%c9%cf%ba%a3&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class="},
      {"52", 2, "http://news.google.cn/news?q=" + Gbk("新疆") + "&output=rss&ie=UTF-8"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookUpNewsSource(c.number).slots[c.slot - 1], c.expected) << c.number;
}

// Baidu addresses carry the GB2312 bytes of the topic's name, Google addresses its UTF-8 ones.
TEST(LookUpNewsSource, EscapedWordsAreTheTopicsOwnName) {
  const struct {
    const char* number;
    int slot;
  } cases[] = {{"4", 1}, {"5", 3}, {"6", 3}, {"7", 3}, {"15", 3}, {"4", 2}, {"11", 2}};
  for (const auto& c : cases) {
    const NewsSource source = LookUpNewsSource(c.number);
    Text name = source.title;
    if (c.slot == 2) LocalToUtf8(name);
    Text escaped;
    for (const char byte : name) escaped += PercentEscaped(std::string_view(&byte, 1));
    EXPECT_NE(source.slots[c.slot - 1].find(escaped), Text::npos) << "topic " << c.number;
  }
}

TEST(LookUpNewsSource, TopicsFetchSixFeedsRegionsThreeAndUnknownNumbersNone) {
  const char* const topicNames[] = {"焦点",   "国内", "国际", "军事", "财经",
                                    "互联网", "房产", "汽车", "体育", "娱乐",
                                    "游戏",   "教育", "科技", "社会", "健康"};
  for (int number = 1; number <= 15; ++number) {
    const NewsSource source = LookUpNewsSource(std::to_string(number));
    EXPECT_EQ(source.title, Gbk(topicNames[number - 1]));
    for (const Text& slot : source.slots) EXPECT_EQ(slot.rfind("http://", 0), 0u) << number;
  }
  for (int number = 21; number <= 54; ++number) {
    const NewsSource source = LookUpNewsSource(std::to_string(number));
    EXPECT_NE(source.title, std::to_string(number));
    for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(source.slots[slot].empty(), slot >= 3) << number;
  }
  EXPECT_EQ(LookUpNewsSource("49").title, Gbk("内蒙古"));
  for (const char* number : {"0", "16", "20", "55", "01", " 1", "1 ", "sport", ""}) {
    const NewsSource source = LookUpNewsSource(number);
    EXPECT_EQ(source.title, number);
    EXPECT_EQ(source.slots, NewsFeedSlots{}) << "'" << number << "'";
  }
}

}  // namespace
}  // namespace orvanta
