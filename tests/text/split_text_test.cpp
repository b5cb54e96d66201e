#include "text/split_text.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct SplitCase {
  const char* what;
  std::string source;
  TextArray expected;
};

TEST(SplitText, CutsAtEveryDelimiter) {
  const SplitCase cases[] = {
      {"three pieces", "x#y#z", {"x", "y", "z"}},
      {"trailing delimiter", "x#y#", {"x", "y", ""}},
      {"leading delimiter", "#x", {"", "x"}},
      {"no delimiter", "xyz", {"xyz"}},
      {"empty source gives one blank", "", {" "}},
      {"adjacent delimiters", "a##b", {"a", "", "b"}},
  };
  for (const auto& c : cases) {
    TextArray pieces;
    SplitText(c.source, pieces, "#");
    EXPECT_EQ(pieces, c.expected) << c.what;
  }
}

TEST(SplitText, AppendsBehindWhatIsThere) {
  TextArray pieces{"old"};
  SplitText("a$$b", pieces, "$$");
  EXPECT_EQ(pieces, (TextArray{"old", "a", "b"}));
}

TEST(SplitText, JudgesEachRestOnItsOwnBoundaries) {
  // The delimiter ends on a lone lead byte; the rest then starts with what was its trail.
  TextArray pieces;
  SplitText("a\xB0" "b\xB0" "c", pieces, "\xB0");
  EXPECT_EQ(pieces, (TextArray{"a", "b", "c"}));
}

TEST(SplitTextFirst, GivesTheFirstPiecesOfTheWholeSplit) {
  struct FirstCase {
    const char* what;
    std::string source;
    std::size_t count;
    TextArray expected;
  };
  const FirstCase cases[] = {
      {"none asked for", "x#y", 0, {}},
      {"the last piece ends at the next delimiter", "x#y#z", 2, {"x", "y"}},
      {"one piece of many", "x#y#z", 1, {"x"}},
      {"exactly all", "x#y#z", 3, {"x", "y", "z"}},
      {"more asked for than there are", "x#y", 5, {"x", "y"}},
      {"an empty piece at the cut", "a##b", 2, {"a", ""}},
      {"empty source still gives one blank", "", 1, {" "}},
  };
  for (const auto& c : cases) {
    TextArray pieces{"old"};
    SplitTextFirst(c.source, pieces, "#", c.count);
    TextArray expected{"old"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(pieces, expected) << c.what;
  }
}

TEST(ItemAt, GivesTheEmptyTextOutsideTheArray) {
  const TextArray array{"a", "b"};
  EXPECT_EQ(ItemAt(array, 1), "b");
  EXPECT_EQ(ItemAt(array, 2), "");
  EXPECT_EQ(ItemAt(array, -1), "");
  EXPECT_EQ(ItemAt(TextArray(), 0), "");
}

}  // namespace
}  // namespace orvanta
