#include "files/status_mirror.h"

#include <gtest/gtest.h>

#include "favorites/temp_folder.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::ScopedEnvironment;
using orvanta::testing::TempFolder;

TEST(MirrorStatusText, WritesTheWholeLineAsUtf8OnEveryCall) {
  TempFolder folder;
  ScopedEnvironment variable(kStatusFileVariable, folder.At("status"));
  ASSERT_TRUE(MirrorStatusText(Gbk("正在读取 4/6 news.sohu.com …")));
  EXPECT_EQ(folder.Read("status"), "正在读取 4/6 news.sohu.com …");  // this file is UTF-8
  ASSERT_TRUE(MirrorStatusText(" Orvanta"));
  EXPECT_EQ(folder.Read("status"), " Orvanta") << "a shorter text leaves nothing of the longer";
  ASSERT_TRUE(MirrorStatusText(""));
  EXPECT_EQ(folder.Read("status"), "");
}

// An attempt to write to an empty name would fail and say so.
TEST(MirrorStatusText, TriesNothingWithoutAFileName) {
  {
    ScopedEnvironment variable(kStatusFileVariable, "");
    EXPECT_TRUE(MirrorStatusText("x"));
  }
  ::unsetenv(kStatusFileVariable);
  EXPECT_TRUE(MirrorStatusText("x"));
  TempFolder folder;
  ScopedEnvironment variable(kStatusFileVariable, folder.At("missing/status"));
  EXPECT_FALSE(MirrorStatusText("x")) << "a file that cannot be written";
}

}  // namespace
}  // namespace orvanta
