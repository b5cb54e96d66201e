#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "subscriptions/scratch_folder.h"
#include "subscriptions/subscription_file.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;
using orvanta::testing::SubscriptionFolder;

TEST(SubscriptionCommands, ChangeAndListTheFileOfTheCurrentFolder) {
  SubscriptionFolder folder;
  std::filesystem::remove(folder.At("sc"));  // the command makes it itself
  const struct {
    std::vector<std::string> arguments;  // UTF-8 as typed
    int status;
    std::string out;  // GBK
  } steps[] = {
      {{"subscribe"}, 2, ""},  // usage errors touch no file
      {{"unsubscribe", "a", "b"}, 2, ""},
      {{"subscriptions", "a"}, 2, ""},
      {{"subscribe", "体育"}, 0, Gbk("成功订阅“体育”资讯。\n")},
      {{"subscriptions"}, 0, Gbk("体育\n社会\n国内\n房产\n行业\n产品\n公司\n招聘\n")},
      {{"unsubscribe", "体育"}, 0, Gbk("成功取消“体育”关键字的订阅。\n")},
      {{"unsubscribe", "体育"}, 0, Gbk("您未订阅“体育”关键字。\n")},
  };
  for (const auto& step : steps) {
    const auto result = RunCli(step.arguments, "", folder.Path());
    EXPECT_EQ(result.status, step.status) << ::testing::PrintToString(step.arguments);
    EXPECT_EQ(result.out, step.out) << ::testing::PrintToString(step.arguments);
    if (step.status != 0) {
      EXPECT_FALSE(folder.HasFile());
    }
  }
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());
}

// A pipe with no writer used to hold the open for ever, and a missing-file test that mistook
// it for absence would have written the defaults over it.
TEST(SubscriptionCommands, AnswerAtOnceWhenTheListIsNoRegularFile) {
  namespace fs = std::filesystem;
  struct Kind {
    const char* what;
    void (*make)(const std::string& path);
    fs::file_type type;
  };
  const Kind kinds[] = {
      {"named pipe", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); },
       fs::file_type::fifo},
      {"folder", [](const std::string& path) { fs::create_directory(path); },
       fs::file_type::directory},
  };
  const std::vector<std::string> commands[] = {
      {"subscriptions"}, {"subscribe", "体育"}, {"unsubscribe", "社会"}};
  const std::string message = Gbk("无法读取订阅文件“sc/jzxml”。\n");
  for (const Kind& kind : kinds) {
    SubscriptionFolder folder;
    kind.make(folder.File());
    for (const auto& command : commands) {
      const auto result = RunCli(command, "", folder.Path(), std::chrono::seconds(10));
      ASSERT_FALSE(result.timedOut) << kind.what << ", " << command[0];
      EXPECT_EQ(result.status, 1) << kind.what << ", " << command[0];
      EXPECT_EQ(result.out + result.err, message) << kind.what << ", " << command[0];
      EXPECT_EQ(fs::symlink_status(folder.File()).type(), kind.type) << kind.what;
    }
  }
}

}  // namespace
}  // namespace orvanta
