#include "text/split_text.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Every row is also split with every bound: a bounded split gives the first pieces of the
// whole one, appended behind what the array holds.
TEST(SplitText, CutsAtEveryDelimiterAndABoundedSplitGivesTheFirstPieces) {
  const struct {
    const char* what;
    std::string source, delimiter;
    TextArray expected;
  } cases[] = {
      {"three pieces", "x#y#z", "#", {"x", "y", "z"}},
      {"trailing delimiter", "x#y#", "#", {"x", "y", ""}},
      {"leading delimiter", "#x", "#", {"", "x"}},
      {"no delimiter", "xyz", "#", {"xyz"}},
      {"empty source gives one blank", "", "#", {" "}},
      {"adjacent delimiters", "a##b", "#", {"a", "", "b"}},
      {"a longer delimiter", "a$$b$$", "$$", {"a", "b", ""}},
      // The delimiter ends on a lone lead byte; the rest then starts with what was its trail.
      {"each rest judged on its own boundaries",
       "a\xB0"
       "b\xB0"
       "c",
       "\xB0",
       {"a", "b", "c"}},
  };
  for (const auto& c : cases) {
    TextArray whole{"old"};
    SplitText(c.source, whole, c.delimiter);
    TextArray expected{"old"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(whole, expected) << c.what;
    for (std::size_t count = 0; count <= c.expected.size() + 1; ++count) {
      TextArray first{"old"};
      SplitTextFirst(c.source, first, c.delimiter, count);
      const std::size_t kept = std::min(count + 1, expected.size());
      EXPECT_EQ(first, TextArray(expected.begin(), expected.begin() + kept))
          << c.what << ", the first " << count;
    }
  }
}

TEST(ItemAt, GivesTheEmptyTextOutsideTheArray) {
  const TextArray array{"a", "b"};
  EXPECT_EQ(ItemAt(array, 1), "b");
  EXPECT_EQ(ItemAt(array, 2), "");
  EXPECT_EQ(ItemAt(array, -1), "");
}

}  // namespace
}  // namespace orvanta
