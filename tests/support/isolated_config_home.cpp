// Core tests never read the developer's own ~/.config (a sources file there would change
// every news page): the process starts with an empty config folder of its own, and a test
// that needs a file there sets a folder of its own.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

class IsolatedConfigHome {
 public:
  IsolatedConfigHome() {
    char pattern[] = "/tmp/orvanta-core-config-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) ::abort();
    path_ = pattern;
    ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
  }
  ~IsolatedConfigHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::string path_;
};

const IsolatedConfigHome kIsolatedConfigHome;

}  // namespace
