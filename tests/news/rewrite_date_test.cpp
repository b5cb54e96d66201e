#include "news/rewrite_date.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(RewriteDate, ReadsTheTokensOfFeedDatesAndKeepsIsoDatesWithBlanks) {
  const struct {
    const char* date;
    const char* expected;  // UTF-8 here, compared in code page 936
    const char* covers;
  } cases[] = {
      {"Tue, 14 Aug 2012 10:00:00 +0800", "2012年8月14日10:00:00 星期二", "the usual form"},
      {"Mon, 05 Mar 2012 08:01:02 GMT", "2012年3月05日08:01:02 星期一", "the day keeps its zero"},
      {"Wed, 01 Feb 2012 00:00:00 GMT", "2012年2月01日00:00:00 星期三", "Wed"},
      {"Fri, 07 Dec 2012 01:00:00 GMT", "2012年12月07日01:00:00 星期五", "Dec"},
      {"Sat, 11 Nov 2012 01:00:00 GMT", "2012年11月11日01:00:00 星期六", "Sat, Nov"},
      {"Thu, 06 Sep 2012 07:05:00 GMT", "年月日07:05:00 ", "Thu and Sep match no key"},
      {"Sun, 03 Jun 2012 23:59:59 GMT", "2012年6月03日23:59:59 星期天",
       "June is a month, Sun a day"},
      {"Sun, 08 Jul 2012 23:59:59 GMT", "2012年7月08日23:59:59 星期天", "Jul"},
      {"Tue, 14 Aug 2012 02:15:00 GMT+00:00", "2012年8月14日GMT+00:00 星期二",
       "a later token with ':' overwrites the time"},
      {"Jan 2012", "2012年1月日 ", "a month in the first token has no day"},
      {"14 Oct", "年10月14日 ", "a month in the last token has no year"},
      {"Mon Tue", "年月日 星期二", "later weekdays overwrite earlier ones"},
      {"", "年月日 ", "empty"},
      {"昨天 12", "年月日 ", "nothing recognised"},
      {"2012-08-14T10:00:00.000Z", "2012-08-14 10:00:00 ", "ISO: trailing blank for .000Z"},
      {"2012-08-14T10:00:00+08:00", "2012-08-14 10:00:00+08:00", "ISO: zone kept"},
      {"Tue, 14 Aug 2012 10:00:00 -0700", " ue  14 Aug 2012 10:00:00 -0700",
       "a negative offset makes any date ISO: commas and every T become blanks"},
      {"-2012", "年月日 ", "a '-' at the first byte does not count"},
  };
  for (const auto& row : cases)
    EXPECT_EQ(RewriteDate(Gbk(row.date)), Gbk(row.expected)) << row.covers;
}

TEST(RewriteDate, MovedTokensCannotFormLiveMarkup) {
  // Inside the quoted title the image is inert; moved in front of the date it would not be.
  EXPECT_EQ(RewriteDate("<a title=\" 12:<img/onerror=alert(1)> \">").find("/onerror"), Text::npos);
  // A "T" that becomes a blank would split a name into a handler.
  EXPECT_EQ(RewriteDate("1-2 <imgTsrc=xTonerror=alert(1)>").find(" onerror"), Text::npos);
}

}  // namespace
}  // namespace orvanta
