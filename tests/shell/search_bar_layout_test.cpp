#include "shell/search_bar_layout.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(SearchBarLayout, FromTheNormalWidthUpTheRowKeepsItsOffsetsFromTheRightEdge) {
  for (const int cx : {710, 834, 1280}) {
    const SearchBarLayout bar = LayOutSearchBar(cx, 62);
    EXPECT_EQ(bar.address, (CaptionRect{10, 62, cx - 540, 90})) << cx;
    EXPECT_EQ(bar.go, (CaptionRect{cx - 540, 62, cx - 489, 90})) << cx;
    EXPECT_EQ(bar.keyword, (CaptionRect{cx - 482, 62, cx - 190, 90})) << cx;
    EXPECT_EQ(bar.engine, (CaptionRect{cx - 190, 62, cx - 61, 90})) << cx;
    EXPECT_EQ(bar.search, (CaptionRect{cx - 61, 62, cx - 10, 90})) << cx;
  }
}

TEST(SearchBarLayout, ANarrowRowKeepsBothBoxesUsableAndEveryButtonInside) {
  for (const int cx : {709, 620, 520}) {
    const SearchBarLayout bar = LayOutSearchBar(cx, 0);
    EXPECT_GE(bar.address.Width(), 160) << cx;
    EXPECT_GE(bar.keyword.Width(), 100) << cx;
    EXPECT_EQ(bar.search.right, cx - 10) << cx;
    EXPECT_LE(bar.address.right, bar.go.left) << cx;
    EXPECT_LT(bar.go.right, bar.keyword.left) << cx;
  }
}

TEST(SearchBarLayout, BelowTheLeastWidthTheAddressBoxGivesWayAndNothingOverlaps) {
  for (const int cx : {400, 100, 0}) {
    const SearchBarLayout bar = LayOutSearchBar(cx, 0);
    EXPECT_GE(bar.address.Width(), 0) << cx;
    EXPECT_EQ(bar.keyword.Width(), 100) << cx;
    EXPECT_LE(bar.address.right, bar.go.left) << cx;
    EXPECT_LE(bar.keyword.right, bar.engine.left) << cx;
  }
}

}  // namespace
}  // namespace orvanta
