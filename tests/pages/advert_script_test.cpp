#include "pages/advert_script.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "net/service_hosts.h"

namespace orvanta {
namespace {

Text ScriptElement(int script) {
  return "<script language=\"javascript\" type=\"text/javascript\" src=\"http://" +
         std::string(hosts::kMaker) + "/ad/" + std::to_string(script) + ".js\"></script>";
}

TEST(AdvertScript, SelectsOneOfFourScriptsOnTheMakersHost) {
  struct Row {
    int number;
    int script;
  };
  const Row rows[] = {{1, 1}, {2, 2},  {3, 3},       {4, 4},      {0, 4},
                      {5, 4}, {-1, 4}, {INT_MIN, 4}, {INT_MAX, 4}};
  for (const Row& row : rows)
    EXPECT_EQ(BuildAdvertScript(row.number), ScriptElement(row.script)) << row.number;
}

TEST(AdvertScript, NamesAHostThatNeverResolves) {
  // Nobody but us could ever serve script into the pages from a reserved name.
  EXPECT_TRUE(std::string(hosts::kMaker).ends_with(".example"));
}

}  // namespace
}  // namespace orvanta
