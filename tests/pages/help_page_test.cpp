#include "pages/help_page.h"

#include <gtest/gtest.h>

#include "pages/page_test_support.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

TEST(HelpPage, IsOneFixedDocumentWhateverTheMode) {
  const Text page = BuildHelpPage(1);
  EXPECT_EQ(page, PageFixture("help_page.html"));
  for (const int mode : {0, 7, -1}) EXPECT_EQ(BuildHelpPage(mode), page) << mode;
}

TEST(HelpPage, KeepsItsStatisticsBlockHiddenAndEmpty) {
  const Text page = BuildHelpPage(1);
  EXPECT_TRUE(
      EndsWith(page, "</div>\r\n<div style=\"display:none\">\r\n</div>\r\n</BODY></HTML>\r\n"));
  // The program counts nobody: no counter script, image or address of any service.
  EXPECT_EQ(CountOf(page, "<script"), 0);
  EXPECT_EQ(CountOf(page, "<img"), 0);
  EXPECT_EQ(CountOf(page, "http:"), 0);
}

}  // namespace
}  // namespace orvanta
