#include "text/code_page.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(CodePage, ConvertsBothWaysAndReplacesWhatHasNoForm) {
  const struct {
    void (*convert)(Text&);
    const char* what;
    std::string input, expected;
  } cases[] = {
      {Utf8ToLocal, "ascii", "abc<>\r\n", "abc<>\r\n"},
      {Utf8ToLocal, "chinese", "\xE4\xBD\x93\xE8\x82\xB2", "\xCC\xE5\xD3\xFD"},  // 体育
      {Utf8ToLocal, "character without a form",
       "a\xF0\x9F\x98\x80"
       "b",
       "a?b"},
      {Utf8ToLocal, "lone continuation byte",
       "a\x80"
       "b",
       "a?b"},
      {Utf8ToLocal, "truncated sequence is one replacement",
       "a\xE4\xBD"
       "b",
       "a?b"},
      {Utf8ToLocal, "truncated at the end", "a\xE4\xBD", "a?"},
      {Utf8ToLocal, "overlong form", "\xC0\xAF", "??"},
      {Utf8ToLocal, "encoded surrogate", "\xED\xA0\x80", "???"},
      {Utf8ToLocal, "empty", "", ""},
      {LocalToUtf8, "chinese back", "\xCC\xE5\xD3\xFD", "\xE4\xBD\x93\xE8\x82\xB2"},
      {LocalToUtf8, "lead byte at the end", "a\xCC", "a?"},
      {LocalToUtf8, "lead byte before ascii", "\xCC<", "?<"},
  };
  for (const auto& c : cases) {
    Text text = c.input;
    c.convert(text);
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
      if (text == original)
        ++same;
      else
        EXPECT_EQ(text, "?");
    }
  }
  EXPECT_GT(same, 21000);
}

}  // namespace
}  // namespace orvanta
