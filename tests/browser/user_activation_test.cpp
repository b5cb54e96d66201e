#include "browser/user_activation.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using namespace std::chrono_literals;
using Clock = CUserActivation::Clock;

TEST(CUserActivation, EachPressLetsOneRequestThroughWhileItLasts) {
  const Clock::time_point t0{};
  CUserActivation activation;
  EXPECT_FALSE(activation.Take(t0)) << "a request nobody asked for";
  activation.Press(t0);
  EXPECT_TRUE(activation.Take(t0 + 100ms));
  EXPECT_FALSE(activation.Take(t0 + 100ms)) << "a script's second window on one click";
  // A hurried triple click, answered by the engine only after the last press.
  for (int i = 0; i < 3; ++i) activation.Press(t0 + 1s + i * 80ms);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(activation.Take(t0 + 1500ms)) << i;
  EXPECT_FALSE(activation.Take(t0 + 1500ms));
  activation.Press(t0 + 2s);
  EXPECT_FALSE(activation.Take(t0 + 2s + CUserActivation::kLifetime + 1ms)) << "long gone";
}

TEST(CUserActivation, PressesDoNotPileUp) {
  const Clock::time_point t0{};
  CUserActivation activation;
  for (int i = 0; i < 100; ++i) activation.Press(t0 + i * 1ms);
  int taken = 0;
  while (activation.Take(t0 + 200ms)) ++taken;
  EXPECT_EQ(taken, static_cast<int>(CUserActivation::kMostPending));
}

}  // namespace
}  // namespace orvanta
