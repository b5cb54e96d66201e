#include <gtest/gtest.h>

#include <algorithm>

#include "support/loopback_server.h"
#include "support/run_cli.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

TEST(ParseCommand, PrintsFourNulTerminatedFieldsPerItem) {
  const auto result =
      testing::RunCli({"parse"}, testing::ReadFixture("feeds/sina_gbk_cdata_redirect_links.xml"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\0'), 8);
  EXPECT_TRUE(result.out.starts_with(Gbk("中超：国安主场2比1胜鲁能") + '\0' +
                                     "http://sports.sina.com.cn/"));
}

}  // namespace
}  // namespace orvanta
