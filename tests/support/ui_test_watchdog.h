// Ends what keeps a window test from returning: past its limit, the running test's menus and
// modal loops are closed and the test fails by name; one that still blocks ends the run.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace orvanta::testing {

class UiTestWatchdog : public ::testing::EmptyTestEventListener {
 public:
  explicit UiTestWatchdog(std::chrono::seconds limit);
  ~UiTestWatchdog() override;

  void OnTestStart(const ::testing::TestInfo& test) override;
  void OnTestEnd(const ::testing::TestInfo& test) override;

 private:
  void Watch();
  // On the window thread, inside whatever loop holds it.
  static int Rescue(void* self);

  const std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string running_;
  int runningNumber_ = 0;
  std::chrono::steady_clock::time_point started_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace orvanta::testing
