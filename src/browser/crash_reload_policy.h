// How often a browser page brings its page back by itself after the engine's web process
// died: a few times, then it stops and lets the user decide.
#pragma once

#include <chrono>
#include <deque>

namespace orvanta {

class CCrashReloadPolicy {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int kReloadsPerMinute = 3;

  // Whether a crash at now may be answered with another automatic reload; counts it if so.
  bool AllowReload(Clock::time_point now);

 private:
  std::deque<Clock::time_point> m_reloads;
};

}  // namespace orvanta
