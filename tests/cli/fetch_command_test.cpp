#include <gtest/gtest.h>

#include "support/loopback_server.h"
#include "support/run_cli.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

TEST(FetchCommand, WritesTheJoinedConvertedBodyAndNothingForADeadAddress) {
  orvanta::testing::LoopbackServer server;
  server.Serve("", "/feed", "<?xml encoding=\"utf-8\"?>\n<t>\xE4\xBD\x93\xE8\x82\xB2</t>");
  const auto result = RunCli({"fetch", server.Address("/feed")});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "<?xml encoding=\"utf-8\"?>\r\n<t>\xCC\xE5\xD3\xFD</t>\r\n");
  const auto dead = RunCli({"fetch", "http://name.invalid/"});
  EXPECT_EQ(dead.status, 1);
  EXPECT_EQ(dead.out, "");
}

TEST(FetchCommand, ReportsUsageErrors) {
  EXPECT_EQ(RunCli({"fetch"}).status, 2);
  EXPECT_EQ(RunCli({"fetch", "a", "b"}).status, 2);
  EXPECT_EQ(RunCli({"no-such-command"}).status, 2);
  EXPECT_EQ(RunCli({}).status, 2);
}

}  // namespace
}  // namespace orvanta
