#include "browser/crash_reload_policy.h"

namespace orvanta {

bool CCrashReloadPolicy::AllowReload(Clock::time_point now) {
  while (!m_reloads.empty() && now - m_reloads.front() >= std::chrono::minutes(1))
    m_reloads.pop_front();
  if (static_cast<int>(m_reloads.size()) >= kReloadsPerMinute) return false;
  m_reloads.push_back(now);
  return true;
}

}  // namespace orvanta
