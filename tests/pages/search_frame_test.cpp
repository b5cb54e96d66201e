#include "pages/search_frame.h"

#include <gtest/gtest.h>

#include "pages/page_test_support.h"
#include "text/code_page.h"
#include "text/text.h"

namespace orvanta {
namespace {

using namespace orvanta::testing;

// The news head as it stands for a keyword that needs no escaping, with its value swapped.
Text HeadWithValue(const Text& value) {
  Text head = PageFixture("news_page_head_sports.html");
  ReplaceInPlace(head, Gbk("value='体育'>"), "value='" + value + "'>");
  return head;
}

TEST(NewsPageHead, IsTheFrameWithItsOwnRulesAndTheKeyword) {
  EXPECT_EQ(BuildNewsPageHead(Gbk("体育")), PageFixture("news_page_head_sports.html"));
  const Text head = BuildNewsPageHead(Gbk("体育"));
  EXPECT_NE(head.find("TEXT-ALIGN: left;padding: 5px;}TD"), Text::npos);
  EXPECT_NE(head.find("href='http://ss/##/'"), Text::npos);
  EXPECT_EQ(head.find("<HTML>"), Text::npos);  // always a fragment
}

TEST(NewsPageHead, EscapesOnlyTheCharactersThatWouldChangeTheMarkup) {
  struct Row {
    const char* what;
    Text keyword;
    Text value;  // as the keyword box must carry it
  };
  const Row rows[] = {
      {"plain ASCII unchanged", "orvanta", "orvanta"},
      {"Chinese unchanged", Gbk("北京 奥运"), Gbk("北京 奥运")},
      {"empty keyword", "", ""},
      {"quote cannot end the value", "rock'n'roll", "rock&#39;n&#39;roll"},
      {"markup stays text", "a'><script>x</script>", "a&#39;&gt;&lt;script&gt;x&lt;/script&gt;"},
      {"ampersand shows as itself", "AT&T", "AT&amp;T"},
      {"entity is not decoded early", "&lt;", "&amp;lt;"},
      {"double quote", "say \"hi\"", "say &quot;hi&quot;"},
      {"GBK trail bytes are not touched", Gbk("乐<"), Gbk("乐") + "&lt;"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(BuildNewsPageHead(row.keyword), HeadWithValue(row.value)) << row.what;
}

TEST(NewsPageHead, AKeywordAddsNoTagsOrQuotes) {
  const Text plain = BuildNewsPageHead("x");
  for (const Text& hostile : {Text("<<<>>>"), Text("</SCRIPT>\r\n<script>"), Text("'\"&<")}) {
    const Text head = BuildNewsPageHead(hostile);
    EXPECT_EQ(CountOf(head, "<"), CountOf(plain, "<")) << hostile;
    EXPECT_EQ(CountOf(head, "'"), CountOf(plain, "'")) << hostile;
  }
}

}  // namespace
}  // namespace orvanta
