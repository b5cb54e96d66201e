#include "pages/base_name_lock.h"

#include <map>
#include <memory>

namespace orvanta {

std::unique_lock<std::mutex> LockBaseName(const std::string& baseName) {
  static std::mutex registryMutex;
  static std::map<std::string, std::unique_ptr<std::mutex>> locks;
  std::mutex* lock;
  {
    std::lock_guard<std::mutex> guard(registryMutex);
    auto& slot = locks[baseName];
    if (!slot) slot = std::make_unique<std::mutex>();
    lock = slot.get();
  }
  return std::unique_lock<std::mutex>(*lock);
}

}  // namespace orvanta
