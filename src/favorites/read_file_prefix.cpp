#include "favorites/read_file_prefix.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "pages/file_descriptor.h"

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

std::optional<std::string> ReadFilePrefix(const std::string& path, std::size_t limit) {
  if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
  // O_NONBLOCK keeps a pipe without a writer from holding the open itself.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return std::nullopt;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  std::string bytes;
  std::size_t wanted = limit;
  if (status.st_size >= 0 && static_cast<unsigned long long>(status.st_size) < wanted) {
    wanted = static_cast<std::size_t>(status.st_size);
  }
  bytes.resize(wanted);
  std::size_t have = 0;
  while (have < wanted) {
    const ssize_t got = ::read(file.get(), bytes.data() + have, wanted - have);
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  bytes.resize(have);
  return bytes;
}

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
