#include "jobs/news_job_slot.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta {
namespace {

TEST(CNewsJobSlot, RunsOneJobAtATimeAndOnlyTheLatestOfThoseThatWaited) {
  CNewsJobSlot slot;
  std::vector<int> started;
  slot.Start([&] { started.push_back(1); });
  slot.Start([&] { started.push_back(2); });
  slot.Start([&] { started.push_back(3); });
  EXPECT_EQ(started, std::vector<int>({1}));
  slot.Ended();
  EXPECT_EQ(started, std::vector<int>({1, 3})) << "2 was replaced while it waited";
  EXPECT_TRUE(slot.Running());
  slot.Ended();
  EXPECT_FALSE(slot.Running());
  slot.Start([&] { started.push_back(4); });
  EXPECT_EQ(started, std::vector<int>({1, 3, 4}));
}

}  // namespace
}  // namespace orvanta
