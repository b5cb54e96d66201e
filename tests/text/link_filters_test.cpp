#include "text/link_filters.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(CutMarkedLink, RemovesTheLinkAroundTheMarker) {
  const Text marker = Gbk("条相关>>");
  EXPECT_EQ(CutMarkedLink("x<a href=1>y " + marker + "</a>z", marker), "xz");
  // Everything else that equals the removed pieces goes too: both removals are replace-all.
  EXPECT_EQ(CutMarkedLink("<a href=1>y " + marker + "</a>|<a href=1>y ", marker), "|");
  // Without a closing tag only the front part goes.
  EXPECT_EQ(CutMarkedLink("x<a href=1>y " + marker, marker), "x" + marker);
}

TEST(AppendIfNew, SkipsRepeatsAndFooterWords) {
  const Text licence = Gbk("许可");
  EXPECT_EQ(AppendIfNew("ab", "c"), "abc");
  EXPECT_EQ(AppendIfNew("abc", "b"), "abc");
  EXPECT_EQ(AppendIfNew("", licence + "x"), licence + "x");  // at position 0 it counts not
  EXPECT_EQ(AppendIfNew("", "x" + licence), "");
  EXPECT_EQ(AppendIfNew("", Gbk("京公网安备报警")), "");
  EXPECT_EQ(AppendIfNew("", Gbk("视频")), Gbk("视频"));
}

}  // namespace
}  // namespace orvanta
