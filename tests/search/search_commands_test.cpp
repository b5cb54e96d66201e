#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(SearchCommands, PrintTheAddressTheMessageOrNothing) {
  const struct {
    std::vector<std::string> arguments;  // UTF-8 as typed
    std::optional<std::string> out;      // GBK; nothing: a usage error
  } rows[] = {
      {{"search", "21", "abc"}, "http://so.v.ifeng.com/sofeng/search.action?c=5&q=abc\n"},
      {{"search", "5", ""}, "http://news.google.com\n"},
      {{"search", "23", ""}, Gbk("请输入搜索关键字\n")},
      {{"search", "07", "abc"}, ""},
      {{"search", "1", "abc"}, ""},  // the own engine opens no address
      {{"search", "62", "音乐"}, "http://mp3.baidu.com/m?ct=134217728&word=" + Gbk("音乐\n")},
      {{"search"}, std::nullopt},
      {{"web-search", "去新浪搜索", "abc"}, "http://search.sina.com.cn/?q=abc&c=news\n"},
      {{"web-search", "nothing", "abc"}, "abc\n"},
      {{"web-search", "去百度搜索", "请输入搜索关键词"}, ""},  // the box's placeholder
      {{"web-search", "abc"}, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto result = orvanta::testing::RunCli(row.arguments);
    EXPECT_EQ(result.status, row.out ? 0 : 2) << ::testing::PrintToString(row.arguments);
    EXPECT_EQ(result.out, row.out.value_or("")) << ::testing::PrintToString(row.arguments);
  }
}

}  // namespace
}  // namespace orvanta
