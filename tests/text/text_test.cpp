#include "text/text.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// "\xB0\x61" is a double-byte character whose trail byte looks like 'a'.
constexpr char kTrailA[] = "\xB0\x61";

TEST(Find, FollowsTheEdgeRules) {
  const struct {
    const char* what;
    std::string text, pattern;
    int start, expected;
  } cases[] = {
      {"plain match", "abcabc", "bc", 0, 1},
      {"start on the match", "abcabc", "bc", 4, 4},
      {"no match", "abc", "x", 0, -1},
      {"start beyond the end", "abc", "a", 4, -1},
      {"empty pattern at start", "abc", "", 2, 2},
      {"empty pattern at the end", "abc", "", 3, 3},
      {"empty pattern beyond the end", "abc", "", 4, -1},
      {"negative start counts as 0", "abc", "a", -3, 0},
      {"trail byte is no match", std::string(kTrailA), "a", 0, -1},
      {"match behind the character", std::string(kTrailA) + "a", "a", 0, 2},
      {"trail byte that looks like ASCII", "\xD6\x5C\\", "\\", 0, 2},
      {"start on a trail byte", std::string(kTrailA) + "xa", "a", 1, 3},
      {"double-byte pattern", "x\xB0\xA1\xB0\xA1", "\xB0\xA1", 2, 3},
      {"pattern across characters is not a match", "\xB0\xA1\xB0\xA1", "\xA1\xB0", 0, -1},
      {"lead byte at the very end stands alone", "ab\xB0", "\xB0", 0, 2},
      {"lead byte before a non-trail byte stands alone", "\xB0<a", "<", 0, 1},
      {"start inside a long run of characters",
       "\xB0\xA1\xB0\xA1\xB0\xA1"
       "a",
       "a", 3, 6},
  };
  for (const auto& c : cases) EXPECT_EQ(Find(c.text, c.pattern, c.start), c.expected) << c.what;
  EXPECT_TRUE(ContainsBeyondStart("xab", "ab"));
  EXPECT_FALSE(ContainsBeyondStart("abab", "ab")) << "containment: the first one lies beyond 0";
  EXPECT_FALSE(ContainsBeyondStart("xyz", "ab"));
}

TEST(ReplaceAll, ScansLeftToRightWithoutRescanning) {
  const struct {
    const char* what;
    std::string text, old, replacement, expected;
  } cases[] = {
      {"overlapping occurrences", "aaa", "aa", "b", "ba"},
      {"inserted text is not rescanned", "ab", "a", "aa", "aab"},
      {"empty old changes nothing", "abc", "", "x", "abc"},
      {"every occurrence", "a.b.c", ".", "--", "a--b--c"},
      {"trail byte is left alone", std::string(kTrailA) + "a", "a", "Z",
       std::string(kTrailA) + "Z"},
      {"whole text", "abc", "abc", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceAll(c.text, c.old, c.replacement), c.expected) << c.what;
}

TEST(Substrings, ClampTheirArguments) {
  const Text text = "0123456789";
  const struct {
    const char* what;
    Text result, expected;
  } cases[] = {
      {"mid", Mid(text, 2, 3), "234"},
      {"mid with a negative count", Mid(text, 5, -6), ""},
      {"mid with a negative first", Mid(text, -1, 3), "012"},
      {"mid cut at the end", Mid(text, 8, 10), "89"},
      {"mid beyond the end", Mid(text, 11, 1), ""},
      {"mid to the end", Mid(text, 7), "789"},
      {"mid to the end from below 0", Mid(text, -1), text},
      {"mid to the end beyond the end", Mid(text, 12), ""},
      {"left", Left(text, 3), "012"},
      {"left negative", Left(text, -1), ""},
      {"left beyond", Left(text, 20), text},
      {"right", Right(text, 3), "789"},
      {"right negative", Right(text, -2), ""},
      {"right beyond", Right(text, 11), text},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
}

TEST(Find, StaysLinearOnManyCandidatesInsideCharacters) {
  // Every 'a' but the last is a trail byte: a rescan from the start per candidate would
  // take minutes here, a forward scan takes milliseconds.
  Text text;
  for (int i = 0; i < 200000; ++i) text += kTrailA;
  text += "a";
  EXPECT_EQ(Find(text, "a"), static_cast<int>(text.size()) - 1);
  EXPECT_EQ(ReplaceAll(text, "a", "b").back(), 'b');
}

}  // namespace
}  // namespace orvanta
