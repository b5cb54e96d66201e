#include "jobs/news_job_slot.h"

#include <utility>

namespace orvanta {

void CNewsJobSlot::Start(std::function<void()> start) {
  if (m_bRunning) {
    m_waiting = std::move(start);
    return;
  }
  m_bRunning = true;
  start();
}

void CNewsJobSlot::Ended() {
  m_bRunning = false;
  if (m_waiting) Start(std::exchange(m_waiting, nullptr));
}

}  // namespace orvanta
