#include "subscriptions/subscription_entry.h"

#include <gtest/gtest.h>

#include "subscriptions/subscription_file.h"
#include "subscriptions/subscription_keywords.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(GetAttributeValue, ReadsTheIdOfEveryEntryShapeAndNeverAQuote) {
  const struct {
    const char* entry;
    const char* expected;
    const char* covers;
  } cases[] = {
      {" id=\"abc\" password=\"abc\" permission=\"000\"/>", "abc", "an ordinary entry"},
      {" id=\"abc\" password=\"abc\" permission=\"000\"/></Account>", "abc",
       "the last entry with the closing tag"},
      {" id=\"a b\" password=\"a b\" permission=\"000\"/>", "a b", "a blank is kept whole"},
      {" id=\"a/>b\" password=\"a/>b\" permission=\"000\"/>", "a/>b", "a tag end is kept"},
      {" id=\"kid=1\" password=\"kid=1\" permission=\"000\"/>", "kid=1", "the marker inside"},
      {" id=\"a!!b\" password=\"a!!b\" permission=\"000\"/>", "a!!b", "the split mark inside"},
      {" id=\"\" password=\"\" permission=\"000\"/>", "", "an empty value"},
      {" id=abc/>", "abc", "an unquoted value ends at the tag end"},
      {" id=abc def", "abc", "an unquoted value ends at a blank"},
      {" id=\"abc/>", "abc", "an unclosed quote falls back to the blank rule"},
      {" x!!y id=\"abc\"", "y", "a split mark before the marker is read as it always was"},
      {" password=\"abc\"/>", "", "no marker: nothing"},
      {"", "", "an empty entry"},
  };
  for (const auto& row : cases)
    EXPECT_EQ(GetAttributeValue(row.entry, "id="), row.expected) << row.covers;
  for (const char* entry : {"id=\"\"\"", "id=\"", "id=a\"b c", "\"id=\"x\"\"y"})
    EXPECT_EQ(GetAttributeValue(entry, "id=").find('"'), std::string::npos) << entry;
}

TEST(SubscriptionEntryList, ViewsTheFileAsWhatStandsBeforeAndOneElementPerEntry) {
  EXPECT_EQ(MakeSubscriptionEntry("a b"), "<USER id=\"a b\" password=\"a b\" permission=\"000\"/>");
  const TextArray view = SubscriptionEntryList(DefaultSubscriptionText());
  ASSERT_EQ(view.size(), 8u);
  EXPECT_EQ(view[0], "");
  EXPECT_EQ(view[1],
            " id=\"" + Gbk("社会") + "\" password=\"" + Gbk("社会") + "\" permission=\"000\"/>");
  EXPECT_TRUE(view[7].ends_with("/></Account>"));
  // Without entries: one element.
  EXPECT_EQ(SubscriptionEntryList("<Account></Account>"), TextArray{"<Account></Account>"});
  EXPECT_EQ(SubscriptionEntryList(""), TextArray{" "});
}

TEST(SubscriptionKeywords, ListsTheKeywordsInFileOrderSkippingEntriesWithoutId) {
  TextArray defaults;
  for (const char* keyword : {"社会", "国内", "房产", "行业", "产品", "公司", "招聘"})
    defaults.push_back(Gbk(keyword));
  EXPECT_EQ(SubscriptionKeywords(DefaultSubscriptionText()), defaults);
  EXPECT_EQ(SubscriptionKeywords("<Account><USER name=\"x\"/><USER id=\"a b\" password=\"a b\" "
                                 "permission=\"000\"/></Account>"),
            TextArray{"a b"});
}

}  // namespace
}  // namespace orvanta
