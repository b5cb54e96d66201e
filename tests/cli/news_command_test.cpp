#include <gtest/gtest.h>

#include <string>

#include "favorites/temp_folder.h"
#include "support/file_size_limit.h"
#include "support/loopback_server.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

TEST(NewsCommand, OnAFullDiskSaysWhichPageItCouldNotWriteAndFails) {
  orvanta::testing::LoopbackServer server;
  server.Serve("", "/feed",
               "<rss><channel><item><title>t</title><link>http://x/</link>"
               "</item></channel></rss>");
  orvanta::testing::TempFolder folder;
  const auto built = RunCli({"news", "b", "T", server.Address("/feed")}, "", folder.Path());
  EXPECT_EQ(built.status, 0);
  EXPECT_EQ(built.out, "");
  // The child inherits the limit: no file it writes can grow past a few bytes.
  orvanta::testing::FileSizeLimit full(16);
  const auto failed = RunCli({"news", "b", "T", server.Address("/feed")}, "", folder.Path());
  EXPECT_NE(failed.status, 0);
  EXPECT_EQ(failed.out, Gbk("无法写入文件 ") + folder.At("b1") + "\n");
}

}  // namespace
}  // namespace orvanta
