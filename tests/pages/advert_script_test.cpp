#include "pages/advert_script.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "net/service_hosts.h"

namespace orvanta {
namespace {

TEST(AdvertScript, SelectsOneOfFourScriptsOnAHostThatNeverResolves) {
  // Nobody but us could ever serve script into the pages from a reserved name.
  ASSERT_TRUE(std::string(hosts::kMaker).ends_with(".example"));
  const int rows[][2] = {{1, 1}, {2, 2},  {3, 3},       {4, 4},      {0, 4},
                         {5, 4}, {-1, 4}, {INT_MIN, 4}, {INT_MAX, 4}};
  for (const auto& row : rows)
    EXPECT_EQ(BuildAdvertScript(row[0]),
              "<script language=\"javascript\" type=\"text/javascript\" src=\"http://" +
                  std::string(hosts::kMaker) + "/ad/" + std::to_string(row[1]) + ".js\"></script>")
        << row[0];
}

}  // namespace
}  // namespace orvanta
