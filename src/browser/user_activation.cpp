#include "browser/user_activation.h"

namespace orvanta {

void CUserActivation::Press(Clock::time_point now) {
  DropExpired(now);
  if (m_presses.size() == kMostPending) m_presses.pop_front();
  m_presses.push_back(now);
}

bool CUserActivation::Take(Clock::time_point now) {
  DropExpired(now);
  if (m_presses.empty()) return false;
  m_presses.pop_front();
  return true;
}

void CUserActivation::DropExpired(Clock::time_point now) {
  while (!m_presses.empty() && now - m_presses.front() > kLifetime) m_presses.pop_front();
}

}  // namespace orvanta
