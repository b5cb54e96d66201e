// Answers every service host from recorded files.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::demo {

struct FixtureReply {
  int status = 200;
  std::string contentType;
  std::string body;
};

class FixtureCatalog {
 public:
  // Reads every file the routes name, each from the first folder that holds it; throws
  // std::runtime_error naming a file that none holds.
  explicit FixtureCatalog(const std::vector<std::string>& folders);

  FixtureReply Answer(std::string_view host, std::string_view target) const;

 private:
  FixtureReply File(std::string_view name) const;

  std::map<std::string, std::string, std::less<>> files_;
};

}  // namespace orvanta::demo
