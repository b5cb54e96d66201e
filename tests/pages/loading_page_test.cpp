#include "pages/loading_page.h"

#include <gtest/gtest.h>

#include "pages/page_test_support.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

TEST(LoadingPage, IsOneFixedDocumentWhateverTheMode) {
  const Text page = BuildLoadingPage(1);
  EXPECT_EQ(page, PageFixture("loading_page.html"));
  EXPECT_EQ(page.size(), 14u + 72u + 1594u);
  for (const int mode : {0, 2, -1}) EXPECT_EQ(BuildLoadingPage(mode), page) << mode;
}

TEST(LoadingPage, BreaksLinesOnlyAfterItsFirstTwoPieces) {
  const Text page = BuildLoadingPage(1);
  ASSERT_EQ(CountOf(page, "\r\n"), 2);
  EXPECT_EQ(page.find("\r\n"), 12u);
  EXPECT_EQ(page.rfind("\r\n"), 14u + 70u);
  EXPECT_TRUE(EndsWith(page, "</script></body>"));  // and no closing html tag
  EXPECT_EQ(page.find("</html>"), Text::npos);
}

}  // namespace
}  // namespace orvanta
