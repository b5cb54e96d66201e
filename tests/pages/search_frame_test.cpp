#include "pages/search_frame.h"

#include <gtest/gtest.h>

#include "pages/page_test_support.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

// The fixture pins the whole head for a keyword that needs no escaping; every row must give
// it with only the keyword box's value changed.
TEST(NewsPageHead, IsTheFixtureWithTheKeywordEscapedIntoItsBox) {
  const struct {
    const char* what;
    Text keyword;
    Text value;  // as the keyword box must carry it
  } rows[] = {
      {"the fixture's own keyword", Gbk("体育"), Gbk("体育")},
      {"plain ASCII unchanged", "orvanta", "orvanta"},
      {"Chinese and a blank unchanged", Gbk("北京 奥运"), Gbk("北京 奥运")},
      {"empty keyword", "", ""},
      {"quote cannot end the value", "rock'n'roll", "rock&#39;n&#39;roll"},
      {"markup stays text", "a'><script>x</script>", "a&#39;&gt;&lt;script&gt;x&lt;/script&gt;"},
      {"ampersand shows as itself", "AT&T", "AT&amp;T"},
      {"entity is not decoded early", "&lt;", "&amp;lt;"},
      {"double quote", "say \"hi\"", "say &quot;hi&quot;"},
      {"GBK trail bytes are not touched", Gbk("乐<"), Gbk("乐") + "&lt;"},
  };
  for (const auto& row : rows) {
    Text expected = testing::PageFixture("news_page_head_sports.html");
    ReplaceInPlace(expected, Gbk("value='体育'>"), "value='" + row.value + "'>");
    EXPECT_EQ(BuildNewsPageHead(row.keyword), expected) << row.what;
  }
}

}  // namespace
}  // namespace orvanta
