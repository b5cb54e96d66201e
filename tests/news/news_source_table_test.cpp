#include "news/news_source_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "text/code_page.h"

namespace orvanta {
namespace {

struct SlotCase {
  const char* what;
  const char* number;
  int slot;  // counted from 1
  std::string expected;
};

TEST(LookUpNewsSource, GivesTheRowsAddresses) {
  const SlotCase cases[] = {
      {"topic 1 Baidu", "1", 1, "http://news.baidu.com/n?cmd=1&class=civilnews&tn=rss&sub=0"},
      {"topic 1 Youdao ct", "1", 4, "http://news.youdao.com/top?ct=all&doctype=rss"},
      {"topic 1 Soso kd and w", "1", 5,
       "http://news.soso.com/news?ty=cls&ofmt=xml&src=-11&kd=t&w=jiaodian"},
      {"topic 4 military-news host", "4", 3, "http://mil.news.sohu.com/rss/junshi.xml"},
      {"topic 11 Sina in slot 3", "11", 3, "http://rss.sina.com.cn/blog/games/yx.xml"},
      {"topic 12 education host", "12", 3, "http://edu.ce.cn/home/index_6314.xml"},
      {"topic 14 Sina", "14", 6, "http://rss.sina.com.cn/news/society/misc15.xml"},
      {"topic 15 slot 2 is Baidu's society feed", "15", 2,
       "http://news.baidu.com/n?cmd=4&class=socianews&tn=rss"},
      {"topic 15 Soso", "15", 5, "http://news.soso.com/news?ty=cls&ofmt=xml&src=-11&kd=ft&w=health"},
      {"region 21 has loc 0", "21", 1, "http://news.baidu.com/n?cmd=7&loc=0&name=%B1%B1%BE%A9&tn=rss"},
      {"region 22 upper-case escapes", "22", 1,
       "http://news.baidu.com/n?cmd=7&loc=2354&name=%C9%CF%BA%A3&tn=rss"},
      {"region 22 lower-case escapes", "22", 3,
       "http://news.baidu.com/ns?word=%c9%cf%ba%a3&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class="},
      {"region 22 raw name", "22", 2,
       "http://news.google.cn/news?q=\xC9\xCF\xBA\xA3&output=rss&ie=UTF-8"},
      {"region 52 no trailing blank", "52", 2,
       "http://news.google.cn/news?q=" + Gbk("新疆") + "&output=rss&ie=UTF-8"},
      {"region 53 trailing blank", "53", 2,
       "http://news.google.cn/news?q=\xCE\xF7\xB2\xD8&output=rss&ie=UTF-8 "},
      {"region 54 three-character name", "54", 1,
       "http://news.baidu.com/n?cmd=7&loc=1967&name=%BA%DA%C1%FA%BD%AD&tn=rss"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookUpNewsSource(c.number).slots[c.slot - 1], c.expected) << c.what;
  EXPECT_EQ(LookUpNewsSource("15").slots[1], LookUpNewsSource("14").slots[0]);
}

TEST(LookUpNewsSource, EscapedWordsAreTheTopicsOwnName) {
  // Baidu addresses carry the GB2312 bytes, Google addresses the UTF-8 bytes.
  const struct {
    const char* number;
    int slot;
    const char* escaped;
  } cases[] = {{"4", 1, "%BE%FC%CA%C2"}, {"5", 3, "%B2%C6%BE%AD"},    {"6", 3, "%BB%A5%C1%AA%CD%F8"},
               {"7", 3, "%B7%BF%B2%FA"}, {"15", 3, "%BD%A1%BF%B5"},  {"4", 2, "%E5%86%9B%E4%BA%8B"},
               {"11", 2, "%E6%B8%B8%E6%88%8F"}};
  for (const auto& c : cases) {
    const NewsSource source = LookUpNewsSource(c.number);
    Text name = source.title;
    if (c.slot == 2) LocalToUtf8(name);
    Text escaped;
    for (const char byte : name) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(byte));
      escaped += hex;
    }
    EXPECT_EQ(escaped, c.escaped) << "topic " << c.number;
    EXPECT_NE(source.slots[c.slot - 1].find(c.escaped), Text::npos) << "topic " << c.number;
  }
}

TEST(LookUpNewsSource, TopicsFetchSixFeedsAndRegionsThree) {
  const char* const topicNames[] = {"焦点", "国内", "国际", "军事", "财经", "互联网", "房产", "汽车",
                                    "体育", "娱乐", "游戏", "教育", "科技", "社会", "健康"};
  for (int number = 1; number <= 15; ++number) {
    const NewsSource source = LookUpNewsSource(std::to_string(number));
    EXPECT_EQ(source.title, Gbk(topicNames[number - 1]));
    for (const Text& slot : source.slots) EXPECT_EQ(slot.rfind("http://", 0), 0u) << number;
  }
  for (int number = 21; number <= 54; ++number) {
    const NewsSource source = LookUpNewsSource(std::to_string(number));
    EXPECT_NE(source.title, std::to_string(number));
    for (int slot = 0; slot < 3; ++slot) EXPECT_FALSE(source.slots[slot].empty()) << number;
    for (int slot = 3; slot < 6; ++slot) EXPECT_TRUE(source.slots[slot].empty()) << number;
  }
  EXPECT_EQ(LookUpNewsSource("49").title, Gbk("内蒙古"));
}

TEST(LookUpNewsSource, UnknownNumbersKeepTheirTextAndNoFeeds) {
  for (const char* number : {"0", "16", "20", "55", "01", " 1", "1 ", "sport", ""}) {
    const NewsSource source = LookUpNewsSource(number);
    EXPECT_EQ(source.title, number);
    for (const Text& slot : source.slots) EXPECT_TRUE(slot.empty()) << "'" << number << "'";
  }
}

}  // namespace
}  // namespace orvanta
