#include "search/page_engine_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "search/resolve_search_link.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using Kind = SearchLinkAction::Kind;

struct EngineRow {
  const char* number;
  const char* query;  // for the keyword abc
  const char* home;   // for the empty keyword; nullptr: the message instead
};

// Written out in full so that a wrong host, path or suffix in the table shows here.
const EngineRow kRows[] = {
    {"2", "http://news.baidu.com/ns?word=abc", "http://news.baidu.com"},
    {"3", "http://news.jike.com/so?q=abc", "http://news.jike.com"},
    {"4", "http://news.sogou.com/news?query=abc", "http://news.sogou.com"},
    {"5", "http://news.google.com/news/search?q=abc", "http://news.google.com"},
    {"6", "http://news.soso.com/n.q?w=abc", "http://news.soso.com"},
    {"7", "http://news.youdao.com/search?q=abc", "http://news.youdao.com"},
    {"8", "http://cn.bing.com/news/search?q=abc", "http://cn.bing.com/news/"},
    {"9", "http://news.yahoo.cn/s?q=abc", "http://news.yahoo.cn"},
    {"10", "http://s.weibo.com/weibo/abc", "http://s.weibo.com/"},
    {"20", "http://search.cntv.cn/search.php?qtext=abc", "http://www.cntv.cn/"},
    {"21", "http://so.v.ifeng.com/sofeng/search.action?c=5&q=abc", "http://v.ifeng.com/"},
    {"22", "http://video.baidu.com/v?word=abc", "http://video.baidu.com/"},
    {"23", "http://www.google.com.hk/search?q=abc&tbs=vid%3A1", nullptr},
    {"24", "http://v.sogou.com/v?query=abc", "http://v.sogou.com/"},
    {"25", "http://video.youdao.com/search?q=abc", "http://video.youdao.com/"},
    {"26", "http://video.sina.com.cn/search.php?k=abc", "http://video.sina.com.cn/"},
    {"27", "http://video.soso.com/search/?ch=v.res.search&pid=v.search&w=abc",
     "http://video.soso.com/"},
    {"28", "http://cn.bing.com/videos/search?q=abc", "http://cn.bing.com/videos/"},
    {"29", "http://www.soku.com/search_video/q_abc", "http://www.youku.com"},
    {"30", "http://so.tudou.com/nisearch/abc", "http://www.tudou.com"},
    {"42", "http://image.baidu.com/i?ct=201326592&word=abc", "http://image.baidu.com"},
    {"43", "http://www.google.com.hk/images?q=abc", "http://www.google.com.hk"},
    {"44", "http://pic.sogou.com/pics?query=abc", "http://pic.sogou.com"},
    {"45", "http://image.youdao.com/search?q=abc", "http://image.youdao.com"},
    {"46", "http://search.sina.com.cn/?q=abc&c=img", nullptr},
    {"47", "http://image.soso.com/image.cgi?w=abc", "http://image.soso.com"},
    {"48", "http://cn.bing.com/images/search?q=abc", "http://cn.bing.com/images"},
    {"49", "http://image.yahoo.cn/s?q=abc", "http://image.yahoo.cn"},
    {"62", "http://mp3.baidu.com/m?ct=134217728&word=abc", "http://mp3.baidu.com"},
    {"63", "http://cgi.music.soso.com/fcgi-bin/m.q?w=abc", "http://music.soso.com/index.html"},
    {"64", "http://mp3.sogou.com/music.so?query=abc", "http://mp3.sogou.com"},
    {"65", "http://www.google.cn/music/search?q=abc", "http://www.google.cn/music"},
    {"66", "http://music.yahoo.cn/s?q=abc", "http://music.yahoo.cn"},
};

TEST(ResolveSearchLink, BuildsTheQueryAndHomeAddressOfEveryOption) {
  for (const EngineRow& row : kRows) {
    EXPECT_EQ(ResolveSearchLink(row.number, "abc"),
              (SearchLinkAction{Kind::kOpenAddress, row.query}))
        << "option " << row.number;
    const SearchLinkAction home = ResolveSearchLink(row.number, "");
    if (row.home != nullptr)
      EXPECT_EQ(home, (SearchLinkAction{Kind::kOpenAddress, row.home})) << "option " << row.number;
    else
      EXPECT_EQ(home, (SearchLinkAction{Kind::kShowMessage, Gbk("请输入搜索关键字")}))
          << "option " << row.number;
  }
  EXPECT_EQ(PageEngines().size(), std::size(kRows));
}

TEST(ResolveSearchLink, TheOwnEngineAsksForANewsPageAndOnlyExactOptionsMatch) {
  EXPECT_EQ(ResolveSearchLink("1", Gbk("体育")),
            (SearchLinkAction{Kind::kKeywordNewsPage, Gbk("体育")}));
  EXPECT_EQ(ResolveSearchLink("1", ""), (SearchLinkAction{Kind::kTopicNewsPage, "1"}));
  for (const char* option : {"7 ", "07", " 7", "", "11", "31", "50", "67", "1 ", "abc", "2#"}) {
    EXPECT_EQ(ResolveSearchLink(option, "abc").kind, Kind::kNothing) << "'" << option << "'";
    EXPECT_EQ(ResolveSearchLink(option, "").kind, Kind::kNothing) << "'" << option << "'";
  }
}

TEST(ResolveSearchLink, InsertsTheKeywordUnescapedInGbkOrForBingInUtf8) {
  const Text keyword = Gbk("周杰伦 新歌&x=1");
  EXPECT_EQ(ResolveSearchLink("62", keyword).value,
            "http://mp3.baidu.com/m?ct=134217728&word=" + keyword);
  // Every Bing row sends the whole address in UTF-8: a GBK keyword made Bing search for garbage.
  const Text utf8Keyword = "\xE5\x91\xA8\xE6\x9D\xB0\xE4\xBC\xA6 \xE6\x96\xB0\xE6\xAD\x8C&x=1";
  for (const auto& [option, kind] :
       {std::pair{"8", "news"}, std::pair{"28", "videos"}, std::pair{"48", "images"}})
    EXPECT_EQ(ResolveSearchLink(option, keyword).value,
              "http://cn.bing.com/" + std::string(kind) + "/search?q=" + utf8Keyword);
}

}  // namespace
}  // namespace orvanta
