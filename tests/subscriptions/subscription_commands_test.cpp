#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "subscriptions/scratch_folder.h"
#include "subscriptions/subscription_file.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

TEST(SubscriptionCommands, ChangeAndListTheFileOfTheCurrentFolder) {
  orvanta::testing::SubscriptionFolder folder;
  std::filesystem::remove(folder.Path() + "/sc");  // the command makes it itself

  auto result = RunCli({"subscribe", "体育"}, "", folder.Path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, Gbk("成功订阅“体育”资讯。\n"));

  result = RunCli({"subscriptions"}, "", folder.Path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, Gbk("体育\n社会\n国内\n房产\n行业\n产品\n公司\n招聘\n"));

  result = RunCli({"unsubscribe", "体育"}, "", folder.Path());
  EXPECT_EQ(result.out, Gbk("成功取消“体育”关键字的订阅。\n"));
  EXPECT_EQ(folder.Read(), DefaultSubscriptionText());

  result = RunCli({"unsubscribe", "体育"}, "", folder.Path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, Gbk("您未订阅“体育”关键字。\n"));
}

TEST(SubscriptionCommands, ReportUsageErrors) {
  orvanta::testing::SubscriptionFolder folder;
  EXPECT_EQ(RunCli({"subscribe"}, "", folder.Path()).status, 2);
  EXPECT_EQ(RunCli({"unsubscribe", "a", "b"}, "", folder.Path()).status, 2);
  EXPECT_EQ(RunCli({"subscriptions", "a"}, "", folder.Path()).status, 2);
  EXPECT_FALSE(folder.HasFile());
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
    orvanta::testing::SubscriptionFolder folder;
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
