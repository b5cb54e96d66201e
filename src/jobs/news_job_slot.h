// One news job at a time for a page: a request made while one runs waits for it to end, and a
// later request takes the place of one that waits.
#pragma once

#include <functional>

namespace orvanta {

class CNewsJobSlot {
 public:
  // Starts the job now when none runs; otherwise keeps it until the running one has ended.
  void Start(std::function<void()> start);
  // The running job has ended: the one that waited, if any, starts.
  void Ended();
  bool Running() const { return m_bRunning; }

 private:
  bool m_bRunning = false;
  std::function<void()> m_waiting;
};

}  // namespace orvanta
