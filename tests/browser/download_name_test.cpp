#include "browser/download_name.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(ProposedFileName, IsTheLastPathSegmentOrDownload) {
  const struct {
    const char* url;
    const char* name;
  } cases[] = {
      {"http://a.cn/files/report.pdf", "report.pdf"},
      {"http://a.cn/files/report.pdf?x=1#top", "report.pdf"},
      {"http://a.cn/", "download"},
      {"http://a.cn", "download"},
      {"http://a.cn/dir/", "download"},
      {"http://a.cn/..", "download"},
      {"orvanta:///tmp/x/sc/jz1", "jz1"},
  };
  for (const auto& row : cases) EXPECT_EQ(ProposedFileName(row.url), row.name) << row.url;
}

}  // namespace
}  // namespace orvanta
