// Which new-window requests of a page a person asked for: each press of theirs (a click or an
// activating key in the view) lets one request through, for a short while. A page's script
// that clicks links by the dozen, or opens windows on a timer, gets nothing beyond that.
#pragma once

#include <chrono>
#include <deque>

namespace orvanta {

class CUserActivation {
 public:
  using Clock = std::chrono::steady_clock;
  // Long enough for a busy engine to turn a click into its request.
  static constexpr std::chrono::seconds kLifetime{5};
  // Presses a hurried person makes before the engine answers the first.
  static constexpr std::size_t kMostPending = 8;

  void Press(Clock::time_point now);
  // Whether a request at now was asked for; uses up the press that allows it.
  bool Take(Clock::time_point now);

 private:
  void DropExpired(Clock::time_point now);

  std::deque<Clock::time_point> m_presses;
};

}  // namespace orvanta
