#include "files/read_file_prefix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_descriptor.h"

namespace orvanta {

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

}  // namespace orvanta
