#include "pages/start_page.h"

#include <gtest/gtest.h>

#include "pages/page_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

TEST(StartPage, IsTheWholeFrameByteForByte) {
  EXPECT_EQ(BuildStartPage(1), PageFixture("start_page_complete.html"));
  // Any mode but 1 is a fragment: no wrapper, same frame.
  for (const int mode : {0, 2, -1, 1000000})
    EXPECT_EQ(BuildStartPage(mode), PageFixture("start_page_fragment.html")) << mode;
}

TEST(StartPage, HoldsItsOptionsLinksAndLineBreaks) {
  const Text page = BuildStartPage(1);
  EXPECT_EQ(CountOf(page, "<option value="), 10);
  EXPECT_EQ(CountOf(page, "<a href='http://dh/#"), 15 + 34);
  const auto ends = LineEnds(page);
  ASSERT_EQ(ends.size(), 3u + 9u);
  EXPECT_TRUE(EndsWith(ends[0], "</A></DIV>"));
  EXPECT_TRUE(EndsWith(ends[1], Gbk("地区</a> ")));
  EXPECT_TRUE(EndsWith(ends[2], "</div></DIV>"));
  EXPECT_TRUE(EndsWith(ends[11], "</SCRIPT>"));
  // 49 stands behind 54, the last region link.
  EXPECT_LT(page.find("http://dh/#54#dh"), page.find("http://dh/#49#dh"));
  EXPECT_NE(page.find(Gbk("href='http://ss/#/' target=_blank>搜索资讯 </A>")), Text::npos);
}

}  // namespace
}  // namespace orvanta
