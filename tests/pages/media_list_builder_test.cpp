#include "pages/media_list_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "favorites/temp_folder.h"
#include "pages/advert_script.h"
#include "pages/media_list_markup.h"
#include "pages/media_words.h"
#include "support/loopback_server.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::LoopbackServer;
using orvanta::testing::ProxyEnvironment;
using orvanta::testing::ReadFixture;

Text Link(const char* restUtf8) { return "<a target='_blank' " + Gbk(restUtf8) + "/a>"; }

TEST(CutLink, KeepsPlainAbsoluteLinksAndRejectsTheRest) {
  const struct {
    const char* what;
    const char* input;     // UTF-8 here, GBK for the code under test
    const char* expected;  // UTF-8
  } cases[] = {
      {"plain link, end mark and what follows it cut off",
       " href=\"http://a.cn/1.html\">电影</a> tail</li>",
       "<a target='_blank'  href=\"http://a.cn/1.html\">电影</a>"},
      {"highlight tags removed", " href=\"http://a.cn/\">新<em>电影</em>预告</a>",
       "<a target='_blank'  href=\"http://a.cn/\">新电影预告</a>"},
      {"inline tag without adjoining tags stays",
       " href=\"http://a.cn/\">电影<span>新</span>片</a>",
       "<a target='_blank'  href=\"http://a.cn/\">电影<span>新</span>片</a>"},
      {"a link around a picture", " href=\"http://a.cn/\"><img src=\"http://a.cn/p.jpg\"></a>", ""},
      {"a tag closed right before the end tag",
       " href='http://a.cn/' title='x'>原创<b>精品</b></a>", ""},
      {"relative address", " href=\"/v/1.html\">电影</a>", ""},
      {"address only after the end mark", " href=\"/x\">电影</a> http://b.cn/", ""},
      {"address at the very start", "http://a.cn/\">电影</a>", ""},
      {"no end tag in front of the end mark", " href=\"http://a.cn/\">电影/a>", ""},
      {"no end mark at all", " href=\"http://a.cn/\">电影", ""},
      {"!! in the text ends the piece early", " href=\"http://a.cn/\">好!!片</a>", ""},
      {"empty piece", "", ""},
  };
  CMediaListBuilder builder;
  for (const auto& c : cases)
    EXPECT_EQ(builder.CutLink(Gbk(c.input), "/a>"), Gbk(c.expected)) << c.what;
}

TEST(CutLink, DropsLinksThatCouldRunScriptButNotTheirLookAlikes) {
  const char* hostile[] = {
      " href=\"http://a.cn/\" onclick=\"x()\">电影</a>",
      " href=\"http://a.cn/\" ONMOUSEOVER = \"x()\">电影</a>",
      " href=\"http://a.cn/\"/onfocus=x autofocus>电影</a>",
      " href=\"http://a.cn/\"\tonerror\n=x>电影</a>",
      " href=\"javascript:alert(1)//http://a.cn/\">电影</a>",
      " href=\"JaVaScRiPt:alert(1)//http://a.cn/\">电影</a>",
      " href=\"java&#x09;script:x//http://a.cn/\">电影</a>",
      " href=\"java\nscript:x//http://a.cn/\">电影</a>",
      " href=\" \x01javascript:x//http://a.cn/\">电影</a>",
      " href=\"&#106;avascript:x//http://a.cn/\">电影</a>",
      " href=\"&#x6A;avascript&colon;x//http://a.cn/\">电影</a>",
      " href=\"&#0000106&#0000097vascript:x//http://a.cn/\">电影</a>",
      " href=\"vbscript:x//http://a.cn/\">电影</a>",
      " href=\"http://a.cn/\">电影<script>alert(1)</a>",
      " href=\"http://a.cn/\">电影<SCRIPT src=http://x.cn/s.js </a>",
      " href=\"http://a.cn/\">电影<iframe src=http://x.cn/ </a>",
      " href=\"http://a.cn/\">电影<base href=http://x.cn/ </a>",
      " href=\"http://a.cn/\">电影 <b title=\"</a>",  // the open quote would run into the next link
  };
  CMediaListBuilder builder;
  for (const char* piece : hostile) EXPECT_EQ(builder.CutLink(Gbk(piece), "/a>"), "") << piece;

  // No handler and no script address: these come out whole (query keys such as one= and
  // section= once dropped a link).
  const char* harmless[] = {
      " href=\"http://a.cn/?action=1&json=2\" title=\"onion\">电影</a>",
      " href=\"http://a.cn/javascript-tutorial/\">电影 on air</a>",
      " href=\"http://a.cn/\" data-on=\"1\" content=\"x\">电影</a>",
      " href=\"http://a.cn/?location=1\">电影<span>预告</span>片</a>",
      " href=\"http://a.cn/?one=1&section=2\">电影</a>",
      " href=\"http://a.cn/hot_online=1\" title=\"Java Script: ok\">电影 one=two</a>",
  };
  for (const char* piece : harmless) {
    const Text gbk = Gbk(piece);
    EXPECT_EQ(builder.CutLink(gbk, "/a>"),
              "<a target='_blank' " + gbk.substr(0, gbk.find("</a>") + 1) + "/a>")
        << piece;
  }
}

TEST(HarvestLinks, KeepsMediaLinksOncePerPageInPageOrder) {
  // The bytes of 电视 (B5 E7 CA D3) straddle three other characters here.
  const Text straddling = "\xC4\xB5\xE7\xCA\xD3\xC0";
  const struct {
    const char* what;
    Text page;
    Text list;
  } rows[] = {
      {"media words only, each link once, upper-case anchors too",
       Gbk("<html><body>价格$5 <a href=\"http://a.cn/1\">电影一</a><a "
           "href=\"http://a.cn/2\">普通</a>\r\n<A HREF=\"http://a.cn/3\">动漫</A>"
           "<a href=\"http://a.cn/1\">电影一</a><a href=\"http://a.cn/4\">法国电影</a>"
           "<a href=\"http://a.cn/5\">网络文化经营许可证</a><a href=\"http://a.cn/6\">许可电影</a>"
           "</body></html>\r\n"),
       Link(" href=\"http://a.cn/1\">电影一<") + Link(" HREF=\"http://a.cn/3\">动漫<")},
      {"an ABBR tag cuts the link into two unusable halves",
       Gbk("<a href=\"http://a.cn/1\">经典<ABBR title=\"t\">HD</ABBR>动画</a>"), ""},
      {"an area tag takes the anchor's place, name rest and all",
       Gbk("<a href=\"http://a.cn/x\">体育<area href=\"http://a.cn/y\">体育频道</a>"),
       Link("rea href=\"http://a.cn/y\">体育频道<")},
      {"the Yahoo image site's two relative forms made absolute",
       Gbk("<link href=\"http://image.yahoo.cn/os.xml\"><a href=\"toplist.php?c=1\">美女排行</a>"
           "<a href=\"/s?q=%B1%DA\" onmouseover=\"hl(this)\">壁纸</a>"
           "<a href=\"/other.php\">明星</a>"),
       Link(" href=\"http://image.yahoo.cn/toplist.php?c=1\">美女排行<") +
           Link(" href=\"http://image.yahoo.cn/s?q=%B1%DA\" over=\"hl(this)\">壁纸<")},
      {"elsewhere the same forms stay relative and are dropped",
       Gbk("x<a href=\"toplist.php?c=1\">美女排行</a>"), ""},
      {"anchors smuggled in through highlight tags",
       Gbk("<a href=\"http://a.cn/\">电影<<em>a href=\"http://b.cn/\">大片</a>"
           "<a href=\"http://a.cn/2\">电影/<em>a>预告</a>"
           "<a href=\"http://a.cn/3\">电影<<em>script>alert(1)</a>"),
       ""},
      {"a media word across character boundaries is none",
       "<a href=\"http://a.cn/\">" + straddling + "</a>", ""},
  };
  CMediaListBuilder builder;
  for (const auto& row : rows) EXPECT_EQ(builder.HarvestLinks(row.page), row.list) << row.what;

  EXPECT_FALSE(CarriesMediaWord("<" + straddling));
  EXPECT_TRUE(CarriesMediaWord("<" + Gbk("电视")));
  EXPECT_FALSE(CarriesMediaWord(Gbk("电视")));       // only beyond the start counts
  EXPECT_FALSE(CarriesMediaWord(Gbk("电视x电视")));  // the first occurrence decides
}

TEST(DecodeMediaPage, SosoAndBaiduNameUtf8OnlyForTheirForms) {
  const Text gbk = Gbk("电影");
  const std::string utf8 = "电影";
  const struct {
    const char* what;
    std::string address;
    std::string page;      // bytes as served
    std::string expected;  // bytes returned
  } cases[] = {
      {"Soso GBK page with ie=utf-8 in links", "http://image.soso.com/",
       "<a href=\"/i?ie=utf-8&w=1\">" + gbk, "<a href=\"/i?&w=1\">" + gbk},
      {"Baidu GBK page with ie=utf-8 in links", "http://mp3.baidu.com/",
       "<a href=\"/i?ie=utf-8\">" + gbk, "<a href=\"/i?\">" + gbk},
      {"another site's ie=utf-8 counts", "http://www.tudou.com/", "x ie=utf-8 " + utf8,
       "x ie=utf-8 " + gbk},
      {"declared charset=utf-8", "http://image.soso.com/", "<meta charset=utf-8>" + utf8,
       "<meta charset=utf-8>" + gbk},
      {"declared charset=UTF-8", "http://www.iqiyi.com/", "<meta charset=UTF-8>" + utf8,
       "<meta charset=UTF-8>" + gbk},
      {"the bare word without = does not count", "http://www.iqiyi.com/", "UTF-8 utf-8 " + gbk,
       "UTF-8 utf-8 " + gbk},
      {"=utf-8 at the very start does not count", "http://www.iqiyi.com/", "=utf-8" + gbk,
       "=utf-8" + gbk},
      {"no Google News rule here", "http://news.google.com/", utf8, utf8},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeMediaPage(c.address, c.page), c.expected) << c.what;
}

// Both list pages poll until their frame can be shown.
const Text kShowListScript =
    "<script language=\"javascript\">\r\nfunction t(){\r\n"
    "parent.document.getElementById(\"orvt2\").style.display='none';\r\n "
    "parent.document.getElementById(\"orvt\").style.display='';\r\n "
    "parent.document.getElementById(\"orvt\").style.height=document.body.scrollHeight;\r\n "
    "}\r\nwindow.setInterval(\"t()\",100);\r\n</script>\r\n";

class MediaListBuildTest : public ::testing::Test {
 protected:
  Text Build(const Text& slot1, const Text& slot2 = "", const Text& slot3 = "",
             const Text& slot4 = "") {
    return builder.BuildMediaListPage(slot1, slot2, slot3, slot4, "", "", listFile, listFile);
  }

  LoopbackServer server;
  ProxyEnvironment proxy{server.Address("")};
  testing::TempFolder folder;
  const Text listFile = folder.At("~astq3339681");
  std::vector<Text> messages;
  CMediaListBuilder builder{[this](const Text& message) { messages.push_back(message); }};
};

TEST_F(MediaListBuildTest, AFailedFirstSourceWritesTheFailurePageAndFetchesNothingElse) {
  server.Serve("www.youku.com", "/", "");  // an empty answer counts as a failed download
  server.ServeFixture("www.iqiyi.com", "/", "media/iqiyi_home_utf8.html");
  const Text failure = Gbk("打开目标地址出错，请检查网络连接状况");
  for (const Text& first : {Text("http://www.youku.com/"), Text()}) {
    messages.clear();
    EXPECT_EQ(Build(first, "http://www.iqiyi.com/"), "") << first;
    EXPECT_EQ(messages, std::vector<Text>{failure}) << first;
    EXPECT_EQ(folder.Read("~astq3339681"),
              "<body><span id=\"okl\"></span>" + kShowListScript + failure + "</body>")
        << first;
  }
  EXPECT_EQ(server.Hits("www.youku.com", "/"), 1);
  EXPECT_EQ(server.Hits("www.iqiyi.com", "/"), 0);
}

TEST_F(MediaListBuildTest, ListsTheLinksOfEverySourceAndSkipsFailedOnes) {
  server.Serve("a.example", "/",
               Gbk("<a href=\"http://a.cn/\">电影</a><a href=\"http://a.cn/\">电影</a>"));
  server.Serve("b.example", "/", "");  // later failures add nothing and say nothing
  server.Serve("c.example", "/", Gbk("<a href=\"http://c.cn/\">动漫</a>"));
  const Text a = Link(" href=\"http://a.cn/\">电影<"), c = Link(" href=\"http://c.cn/\">动漫<");
  // Page a twice: duplicates are dropped within a page only.
  const Text list =
      Build("http://a.example/", "http://b.example/", "http://c.example/", "http://a.example/");
  EXPECT_EQ(list, a + c + a);
  EXPECT_EQ(server.Hits("a.example", "/"), 2);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(folder.Read("~astq3339681"),
            "<body><style>a{width:100px;height:22px;line-height:22px;margin-left:5px; "
            "font-size:14px;margin-bottom:5px; vertical-align:top;overflow:hidden;}</style>" +
                kShowListScript + "<span id=\"okl\"></span>" + list + "<BR><BR>" +
                BuildAdvertScript(2) + "</body>");
  // A first page without media links is no failure: an empty list.
  server.Serve("a.example", "/", "<html>nothing here</html>");
  EXPECT_EQ(Build("http://a.example/"), "");
  EXPECT_EQ(folder.Read("~astq3339681"), BuildMediaListMarkup(""));
  EXPECT_TRUE(messages.empty());
}

TEST_F(MediaListBuildTest, BuildsOfOneListFileRunOneAfterAnother) {
  std::atomic<int> inFlight{0}, mostInFlight{0};
  server.Route("www.youku.com", "/", [&](const httplib::Request&, httplib::Response& response) {
    const int now = ++inFlight;
    int seen = mostInFlight.load();
    while (now > seen && !mostInFlight.compare_exchange_weak(seen, now)) {}
    // Long enough for an unserialised second build to arrive meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    --inFlight;
    response.set_content(ReadFixture("media/youku_home_utf8.html"), "text/html");
  });
  auto build = [&] {
    CMediaListBuilder quiet;
    quiet.BuildMediaListPage("http://www.youku.com/", "", "", "", "", "", listFile, listFile);
  };
  std::thread first(build), second(build);
  first.join();
  second.join();
  EXPECT_EQ(server.Hits("www.youku.com", "/"), 2);
  EXPECT_EQ(mostInFlight.load(), 1);
  EXPECT_NE(folder.Read("~astq3339681").find(Gbk("新电影预告片")), Text::npos);
}

}  // namespace
}  // namespace orvanta
