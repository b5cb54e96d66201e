#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "favorites/temp_folder.h"
#include "support/loopback_server.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

TEST(OrvantaCli, AnswersHelpAndVersionOnStandardOutput) {
  const struct {
    std::vector<std::string> arguments;
    const char* starts;
  } rows[] = {
      {{"--help"}, "usage: orvanta-cli COMMAND [ARGUMENTS]\n"},
      {{"-h"}, "usage: orvanta-cli COMMAND [ARGUMENTS]\n"},
      {{"help"}, "usage: orvanta-cli COMMAND [ARGUMENTS]\n"},
      {{"help", "topic"}, "usage: orvanta-cli COMMAND [ARGUMENTS]\n"},
      {{"--version"}, "orvanta-cli 1."},
  };
  for (const auto& row : rows) {
    const auto result = RunCli(row.arguments);
    EXPECT_EQ(result.status, 0) << row.arguments[0];
    EXPECT_TRUE(result.out.starts_with(row.starts)) << result.out;
    EXPECT_EQ(result.err, "") << row.arguments[0];
  }
  EXPECT_NE(RunCli({"--help"}).out.find("\n  orvanta-cli topic NUMBER\n"), std::string::npos);
  const auto unknown = RunCli({"--helpme"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_TRUE(unknown.err.starts_with("orvanta-cli: unknown command '--helpme'\nusage:"));
}

// What each prints stays as it was; only the status tells a script that nothing came of it.
TEST(OrvantaCli, ExitsWithOneWhenACommandDidNotDoItsJob) {
  orvanta::testing::LoopbackServer server;  // every feed answers 404: read, no items
  orvanta::testing::ProxyEnvironment proxy(server.Address(""));
  orvanta::testing::TempFolder folder;
  const Text downloadError = Gbk("打开目标地址出错，请检查网络连接状况\n");
  const struct {
    std::vector<std::string> arguments;
    Text out;
    const char* covers;
  } rows[] = {
      {{"topic", "99"}, downloadError, "a number of no topic or region"},
      {{"news", "temp/~astq9996529", "t"}, downloadError, "no feed at all"},
      {{"keyword", "体育"}, "", "feeds that answer with no item: no page"},
      {{"subscribe", "a\"b"},
       Gbk("订阅关键字不能含有双引号、“<USER”、“$$”或换行等字符！\n"),
       "a keyword the file cannot hold"},
      {{"subscribe", ""}, Gbk("订阅关键字不能为空！\n"), "the empty keyword"},
  };
  for (const auto& row : rows) {
    const auto result = RunCli(row.arguments, "", folder.Path());
    EXPECT_EQ(result.status, 1) << row.covers;
    EXPECT_EQ(result.out, row.out) << row.covers;
    EXPECT_FALSE(folder.Has("temp/~astq11165291")) << row.covers;
  }
}

}  // namespace
}  // namespace orvanta
