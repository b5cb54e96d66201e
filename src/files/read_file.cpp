#include "files/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_descriptor.h"

namespace orvanta {
namespace {

FileRead Failed(FileReadFailure failure) {
  FileRead read;
  read.failure = failure;
  return read;
}

}  // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t limit) {
  if (path.empty() || path.find('\0') != std::string::npos)
    return Failed(FileReadFailure::kUnreadable);
  // O_NONBLOCK keeps a pipe without a writer from holding the open itself.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0)
    return Failed(errno == ENOENT ? FileReadFailure::kMissing : FileReadFailure::kUnreadable);
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return Failed(FileReadFailure::kUnreadable);
  if (!S_ISREG(status.st_mode)) return Failed(FileReadFailure::kNotAFile);
  std::string bytes;
  std::size_t wanted = limit;
  if (status.st_size >= 0 && static_cast<unsigned long long>(status.st_size) < wanted)
    wanted = static_cast<std::size_t>(status.st_size);
  bytes.resize(wanted);
  std::size_t have = 0;
  // A file that grows while it is read is read up to the size it had, or the limit.
  while (have < wanted) {
    const ssize_t got = ::read(file.get(), bytes.data() + have, wanted - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Failed(FileReadFailure::kUnreadable);
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  bytes.resize(have);
  return FileRead{std::move(bytes), FileReadFailure::kUnreadable};
}

}  // namespace orvanta
