#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orvanta
