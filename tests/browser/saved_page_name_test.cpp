#include "browser/saved_page_name.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(SavedPageName, IsTheTitleAsAFileName) {
  const struct {
    const char* title;
    const char* name;
    const char* covers;
  } cases[] = {
      {"今日新闻", "今日新闻.html", "a Chinese title whole"},
      {"a/b\\c", "a_b_c.html", "no folder separators"},
      {"tab\there\n", "tab_here_.html", "control characters"},
      {"  .hidden ", "hidden.html", "no leading dots or blanks at the ends"},
      {"", "page.html", "no title"},
      {" . ", "page.html", "a title of nothing"},
  };
  for (const auto& c : cases) EXPECT_EQ(SavedPageName(c.title), c.name) << c.covers;
}

}  // namespace
}  // namespace orvanta
