#include "text/code_page.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct ConversionCase {
  const char* what;
  std::string input, expected;
};

TEST(Utf8ToLocal, ConvertsAndReplacesWhatHasNoForm) {
  const ConversionCase cases[] = {
      {"ascii", "abc<>\r\n", "abc<>\r\n"},
      {"chinese", "\xE4\xBD\x93\xE8\x82\xB2", "\xCC\xE5\xD3\xFD"},  // 体育
      {"character without a form", "a\xF0\x9F\x98\x80" "b", "a?b"},
      {"lone continuation byte", "a\x80" "b", "a?b"},
      {"truncated sequence is one replacement", "a\xE4\xBD" "b", "a?b"},
      {"truncated at the end", "a\xE4\xBD", "a?"},
      {"overlong form", "\xC0\xAF", "??"},
      {"encoded surrogate", "\xED\xA0\x80", "???"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    Text text = c.input;
    Utf8ToLocal(text);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

TEST(LocalToUtf8, ConvertsAndReplacesBrokenBytes) {
  const ConversionCase cases[] = {
      {"chinese", "\xCC\xE5\xD3\xFD", "\xE4\xBD\x93\xE8\x82\xB2"},
      {"lead byte at the end", "a\xCC", "a?"},
      {"lead byte before ascii", "\xCC<", "?<"},
      {"keyword with a blank", "a b", "a b"},
  };
  for (const auto& c : cases) {
    Text text = c.input;
    LocalToUtf8(text);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

TEST(CodePage, RoundTripsTheGbkCharacters) {
  // Code page 936 leaves some pairs unassigned; those come back as "?", the rest unchanged.
  int same = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const Text original{static_cast<char>(lead), static_cast<char>(trail)};
      Text text = original;
      LocalToUtf8(text);
      Utf8ToLocal(text);
      if (text == original) ++same; else EXPECT_EQ(text, "?");
    }
  }
  EXPECT_GT(same, 21000);
}

}  // namespace
}  // namespace orvanta
