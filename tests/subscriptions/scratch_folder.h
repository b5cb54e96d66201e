// A fresh folder per test with an "sc" inside, the way the program's working folder looks.
#pragma once

#include <filesystem>
#include <string>

#include "favorites/temp_folder.h"

namespace orvanta::testing {

class SubscriptionFolder : public TempFolder {
 public:
  SubscriptionFolder() { std::filesystem::create_directory(At("sc")); }
  // A test may have taken the write permission away; the folder must still go.
  ~SubscriptionFolder() {
    std::error_code ignored;
    std::filesystem::permissions(At("sc"), std::filesystem::perms::owner_all, ignored);
  }

  std::string File() const { return At("sc/jzxml"); }
  bool HasFile() const { return Has("sc/jzxml"); }
  std::string Read() const { return TempFolder::Read("sc/jzxml"); }
  void Write(const std::string& text) const { TempFolder::Write("sc/jzxml", text); }
};

}  // namespace orvanta::testing
