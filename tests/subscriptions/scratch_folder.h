// A fresh folder per test with an "sc" inside, the way the program's working folder looks.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orvanta::testing {

class SubscriptionFolder {
 public:
  SubscriptionFolder() {
    char pattern[] = "/tmp/orvanta-subscriptions-XXXXXX";
    path_ = ::mkdtemp(pattern);
    std::filesystem::create_directory(path_ + "/sc");
  }
  ~SubscriptionFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_ + "/sc", std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  SubscriptionFolder(const SubscriptionFolder&) = delete;
  SubscriptionFolder& operator=(const SubscriptionFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File() const { return path_ + "/sc/jzxml"; }
  bool HasFile() const { return std::filesystem::exists(File()); }
  std::string Read() const {
    std::ifstream file(File(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  void Write(const std::string& text) const {
    std::ofstream(File(), std::ios::binary | std::ios::trunc) << text;
  }

 private:
  std::string path_;
};

}  // namespace orvanta::testing
