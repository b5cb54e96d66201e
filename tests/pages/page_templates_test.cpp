#include <gtest/gtest.h>

#include <regex>

#include "news/text/code_page.h"
#include "pages/advert_script.h"
#include "pages/help_page.h"
#include "pages/loading_page.h"
#include "pages/media_search_page.h"
#include "pages/search_frame.h"
#include "pages/start_page.h"

namespace orvanta {
namespace {

int Count(const Text& text, const std::string& pattern) {
  int count = 0;
  for (std::size_t at = text.find(pattern); at != Text::npos; at = text.find(pattern, at + 1))
    ++count;
  return count;
}

bool StartsWith(const Text& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }
bool EndsWith(const Text& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The text in front of every CR LF, so that a stray line break anywhere shows.
std::vector<std::string> LineEnds(const Text& text) {
  std::vector<std::string> ends;
  for (std::size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2))
    ends.push_back(text.substr(at >= 12 ? at - 12 : 0, at >= 12 ? 12 : at));
  return ends;
}

TEST(StartPage, WrapsTheFrameOnlyInModeOne) {
  const Text page = BuildStartPage(1);
  EXPECT_TRUE(StartsWith(page, "<HTML><HEAD></HEAD><BODY><meta http-equiv=\"Content-Type\""));
  EXPECT_TRUE(EndsWith(page, "</SCRIPT>\r\n</BODY></HTML>"));
  for (const int mode : {0, 2, -1}) {
    const Text fragment = BuildStartPage(mode);
    EXPECT_TRUE(StartsWith(fragment, "<meta http-equiv=")) << mode;
    EXPECT_TRUE(EndsWith(fragment, "</SCRIPT>\r\n")) << mode;
    EXPECT_EQ("<HTML><HEAD></HEAD><BODY>" + fragment + "</BODY></HTML>", page);
  }
}

TEST(StartPage, HoldsItsOptionsLinksAndLineBreaks) {
  const Text page = BuildStartPage(1);
  EXPECT_EQ(Count(page, "<option value="), 10);
  EXPECT_EQ(Count(page, "<a href='http://dh/#"), 15 + 34);
  EXPECT_EQ(Count(page, "\r\n"), 3 + 9);
  const auto ends = LineEnds(page);
  ASSERT_EQ(ends.size(), 12u);
  EXPECT_TRUE(EndsWith(ends[0], "</A></DIV>"));
  EXPECT_TRUE(EndsWith(ends[1], Gbk("地区</a> ")));
  EXPECT_TRUE(EndsWith(ends[2], "</div></DIV>"));
  EXPECT_TRUE(EndsWith(ends[11], "</SCRIPT>"));
  // 49 stands behind 54; the search link of the start page is "http://ss/#/".
  EXPECT_LT(page.find("http://dh/#54#dh"), page.find("http://dh/#49#dh"));
  EXPECT_NE(page.find(Gbk("href='http://ss/#/' target=_blank>搜索资讯 </A>")), Text::npos);
  EXPECT_NE(page.find(Gbk("<option value='10'>去新浪微博搜索</option> </select>")), Text::npos);
  EXPECT_NE(page.find(Gbk("去即刻新闻搜索</option>  <option value='4'>")), Text::npos);
  EXPECT_NE(page.find("TEXT-ALIGN: left}TD"), Text::npos);
}

TEST(NewsPageHead, CarriesTheTitleAndItsOwnRules) {
  const Text head = BuildNewsPageHead(Gbk("体育"));
  EXPECT_TRUE(StartsWith(head, "<meta http-equiv="));
  EXPECT_NE(head.find("TEXT-ALIGN: left;padding: 5px;}TD"), Text::npos);
  EXPECT_NE(head.find(Gbk("value='体育'><select")), Text::npos);
  EXPECT_NE(head.find("href='http://ss/##/'"), Text::npos);
  EXPECT_EQ(Count(head, "<a href='http://dh/#"), 49);
  EXPECT_TRUE(EndsWith(head, "</SCRIPT>\r\n"));
}

TEST(NewsPageHead, EscapesATitleThatWouldAddMarkup) {
  const Text head = BuildNewsPageHead("a'><script>x</script>&");
  EXPECT_NE(head.find("value='a&#39;&gt;&lt;script&gt;x&lt;/script&gt;&amp;'>"), Text::npos);
  EXPECT_EQ(Count(head, "<script"), 0);
  EXPECT_EQ(BuildNewsPageHead("plain"), BuildNewsPageHead(Text("plain")));
}

TEST(AdvertScript, SelectsScriptFourForAnyOtherNumber) {
  EXPECT_NE(BuildAdvertScript(1), BuildAdvertScript(2));
  EXPECT_NE(BuildAdvertScript(3), BuildAdvertScript(4));
  for (const int other : {0, 4, 5, -1}) EXPECT_EQ(BuildAdvertScript(other), BuildAdvertScript(4));
  const Text script = BuildAdvertScript(2);
  EXPECT_TRUE(std::regex_match(script, std::regex(
      "<script language=\"javascript\" type=\"text/javascript\" src=\"http://[^\"]+\\.example/[^\"]+\"></script>")));
}

TEST(LoadingPage, IsTheSameFixedDocument) {
  const Text page = BuildLoadingPage(1);
  EXPECT_EQ(page.size(), 14u + 72u + 1594u);
  EXPECT_EQ(page, BuildLoadingPage(0));
  EXPECT_EQ(Count(page, "\r\n"), 2);
  EXPECT_TRUE(StartsWith(page, "<html><head>\r\n<meta"));
  EXPECT_TRUE(EndsWith(page, "</script></body>"));
}

TEST(HelpPage, KeepsItsStatisticsBlockHiddenAndEmpty) {
  const Text page = BuildHelpPage(1);
  EXPECT_TRUE(EndsWith(page, "</div>\r\n<div style=\"display:none\">\r\n</div>\r\n</BODY></HTML>\r\n"));
  EXPECT_EQ(Count(page, "<script"), 0);
  EXPECT_EQ(page, BuildHelpPage(7));
}

struct MediaCase {
  const char* what;
  Text (*build)(int, std::uint32_t);
  std::uint32_t draw;
  int engine;
  const char* listFile;
  const char* pollingStart;
};

TEST(MediaSearchPage, PreselectsTheDrawnEngineOfItsKind) {
  const MediaCase cases[] = {
      {"video", BuildVideoPage, 7, 27, "~astq3339681", "<script language=\"javascript\">\r\nvar runa;\r\n"},
      {"video never 30", BuildVideoPage, 10, 20, "~astq3339681", "<script language=\"javascript\">\r\nvar runa;\r\n"},
      {"image", BuildImagePage, 7, 49, "~astq3339682", "<script language=\"javascript\">var runa;\r\n"},
      {"music", BuildMusicPage, 7, 64, "~astq3339683", "<script language=\"javascript\">var runa;\r\n"},
  };
  for (const auto& c : cases) {
    const Text page = c.build(1, c.draw);
    const std::string value = "value='" + std::to_string(c.engine) + "'";
    EXPECT_NE(page.find("<option " + value + Gbk(" selected>使用随机引擎")), Text::npos) << c.what;
    EXPECT_EQ(Count(page, value), 2) << c.what;
    EXPECT_NE(page.find(std::string("document.orvt.location='") + c.listFile + "'"), Text::npos) << c.what;
    EXPECT_NE(page.find(c.pollingStart), Text::npos) << c.what;
    EXPECT_EQ(page.find("http://dh/#"), Text::npos) << c.what;  // no topic links on media pages
    EXPECT_TRUE(EndsWith(page, "</script>\r\n</BODY></HTML>")) << c.what;
    EXPECT_TRUE(EndsWith(c.build(0, c.draw), "</script>\r\n")) << c.what;
  }
}

TEST(MediaSearchPage, DrawsOnceFromTheClockSecond) {
  // Within one second the draw is the same; the engines then follow from one r.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::uint32_t before = DrawMediaRandom();
    const Text video = BuildVideoPage(1);
    const std::uint32_t after = DrawMediaRandom();
    if (before != after) continue;  // the second turned over in between
    EXPECT_EQ(video, BuildVideoPage(1, before));
    return;
  }
}

}  // namespace
}  // namespace orvanta
