#include "files/xdg_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace orvanta {
namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return found->pw_dir;
  }
  return {};
}

}  // namespace

std::string XdgFolder(const char* variable, const char* fallback, const char* leaf) {
  const char* base = std::getenv(variable);
  std::string folder;
  // XDG base directories ignore relative values.
  if (base != nullptr && base[0] == '/') {
    folder = base;
  } else {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    folder = home + "/" + fallback;
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder + "/" + leaf;
}

}  // namespace orvanta
