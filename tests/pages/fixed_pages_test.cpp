// The pages that take nothing but a mode, against the fixtures that pin them whole.
#include <gtest/gtest.h>

#include "pages/help_page.h"
#include "pages/loading_page.h"
#include "pages/page_test_support.h"
#include "pages/start_page.h"

namespace orvanta {
namespace {

TEST(FixedPages, AreTheirFixturesByteForByteInEveryMode) {
  const struct {
    Text (*build)(int);
    int mode;
    const char* fixture;
  } rows[] = {
      {BuildStartPage, 1, "start_page_complete.html"},
      // Any mode but 1 is a fragment: no wrapper, same frame.
      {BuildStartPage, 0, "start_page_fragment.html"},
      {BuildStartPage, -1, "start_page_fragment.html"},
      {BuildStartPage, 1000000, "start_page_fragment.html"},
      // Help and loading are one document whatever the mode.
      {BuildHelpPage, 1, "help_page.html"},
      {BuildHelpPage, 0, "help_page.html"},
      {BuildHelpPage, -1, "help_page.html"},
      {BuildLoadingPage, 1, "loading_page.html"},
      {BuildLoadingPage, 0, "loading_page.html"},
      {BuildLoadingPage, -1, "loading_page.html"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(row.build(row.mode), testing::PageFixture(row.fixture))
        << row.fixture << ", mode " << row.mode;
}

}  // namespace
}  // namespace orvanta
