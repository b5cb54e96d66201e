#include "search/web_search.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(BuildWebSearchAddress, BuildsTheAddressOfEveryEngineInBoxOrder) {
  const struct {
    const char* boxText;  // UTF-8 here, GBK in the box
    const char* address;  // for the keyword abc
  } rows[] = {
      {"去百度搜索", "http://www.baidu.com/s?wd=abc"},
      {"去腾讯搜索", "http://www.soso.com/q?w=abc"},
      {"去谷歌搜索", "http://www.google.com.hk/search?hl=zh-CN&q=abc"},
      {"去必应搜索", "http://cn.bing.com/search?q=abc"},
      {"去有道搜索", "http://www.youdao.com/search?q=abc"},
      {"去搜狗搜索", "http://www.sogou.com/sogou?query=abc"},
      {"去新浪搜索", "http://search.sina.com.cn/?q=abc&c=news"},
      {"去雅虎搜索", "http://www.yahoo.cn/s?p=abc"},
      {"去微博搜索", "http://s.weibo.com/weibo/abc"},
      {"去狗狗搜索", "http://www.gougou.com/search?search=abc"},
  };
  ASSERT_EQ(WebEngines().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(BoxText(WebEngines()[i]), Gbk(rows[i].boxText)) << i;
    EXPECT_EQ(BuildWebSearchAddress(Gbk(rows[i].boxText), "abc"), rows[i].address)
        << rows[i].boxText;
  }
}

TEST(BuildWebSearchAddress, KeepsTheKeywordAsItIsAndBareForAnUnknownEngine) {
  const Text keyword = Gbk("音乐 下载");
  const struct {
    Text box, keyword, address;
  } rows[] = {
      // & and # change the query; nothing escapes them.
      {Gbk("去新浪搜索"), "a&b#c", "http://search.sina.com.cn/?q=a&b#c&c=news"},
      {Gbk("去百度搜索"), keyword, "http://www.baidu.com/s?wd=" + keyword},
      // Bing takes the whole address in UTF-8.
      {Gbk("去必应搜索"), keyword,
       "http://cn.bing.com/search?q=\xE9\x9F\xB3\xE4\xB9\x90 \xE4\xB8\x8B\xE8\xBD\xBD"},
      {Gbk("去百度"), "abc", "abc"},
      {Gbk("去百度搜索 "), "abc", "abc"},
      {"", "www.example.com", "www.example.com"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(BuildWebSearchAddress(row.box, row.keyword), row.address) << row.address;
}

TEST(IsMissingKeyword, EmptyOrPlaceholder) {
  EXPECT_TRUE(IsMissingKeyword(""));
  EXPECT_TRUE(IsMissingKeyword(Gbk("请输入搜索关键词")));
  EXPECT_FALSE(IsMissingKeyword(" "));
  EXPECT_FALSE(IsMissingKeyword(Gbk("请输入搜索关键字")));
  EXPECT_EQ(KeywordPlaceholderStatus(), "  " + Gbk("请输入搜索关键词"));
}

}  // namespace
}  // namespace orvanta
