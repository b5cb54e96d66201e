#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

using orvanta::testing::RunCli;

TEST(SearchCommand, PrintsTheAddressTheMessageOrNothing) {
  EXPECT_EQ(RunCli({"search", "21", "abc"}).out,
            "http://so.v.ifeng.com/sofeng/search.action?c=5&q=abc\n");
  EXPECT_EQ(RunCli({"search", "5", ""}).out, "http://news.google.com\n");
  EXPECT_EQ(RunCli({"search", "23", ""}).out, Gbk("请输入搜索关键字") + "\n");
  EXPECT_EQ(RunCli({"search", "07", "abc"}).out, "");
  EXPECT_EQ(RunCli({"search", "1", "abc"}).out, "");
  // Arguments arrive in UTF-8 and go out in GBK.
  EXPECT_EQ(RunCli({"search", "62", "音乐"}).out,
            "http://mp3.baidu.com/m?ct=134217728&word=" + Gbk("音乐") + "\n");
  EXPECT_EQ(RunCli({"search"}).status, 2);
}

TEST(WebSearchCommand, PrintsTheAddressOfTheEngineText) {
  const auto sina = RunCli({"web-search", "去新浪搜索", "abc"});
  EXPECT_EQ(sina.status, 0);
  EXPECT_EQ(sina.out, "http://search.sina.com.cn/?q=abc&c=news\n");
  EXPECT_EQ(RunCli({"web-search", "nothing", "abc"}).out, "abc\n");
  EXPECT_EQ(RunCli({"web-search", "去百度搜索", "请输入搜索关键词"}).out, "");
  EXPECT_EQ(RunCli({"web-search", "abc"}).status, 2);
}

}  // namespace
}  // namespace orvanta
