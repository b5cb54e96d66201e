#include "files/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>

#include "files/file_descriptor.h"

namespace orvanta {
namespace {

// O_NONBLOCK keeps a pipe without a writer from holding the open itself.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

FileRead Failed(FileReadFailure failure) {
  FileRead read;
  read.failure = failure;
  return read;
}

FileRead FailedOpen(int error) {
  if (error == ENOENT) return Failed(FileReadFailure::kMissing);
  // What O_NOFOLLOW refuses is a link, and a link is not a file of ours.
  if (error == ELOOP || error == ENOTDIR) return Failed(FileReadFailure::kNotAFile);
  return Failed(FileReadFailure::kUnreadable);
}

bool ValidPath(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

FileRead ReadOpened(const FileDescriptor& file, std::size_t limit) {
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

}  // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t limit) {
  if (!ValidPath(path)) return Failed(FileReadFailure::kUnreadable);
  FileDescriptor file(::open(path.c_str(), kReadFlags));
  if (file.get() < 0) return FailedOpen(errno);
  return ReadOpened(file, limit);
}

FileRead ReadRegularFileBelow(const std::string& folder, const std::string& relativePath,
                              std::size_t limit) {
  if (!ValidPath(folder) || !ValidPath(relativePath) || relativePath[0] == '/')
    return Failed(FileReadFailure::kUnreadable);
  FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() < 0) return FailedOpen(errno);
  // One component at a time, each opened without following a link.
  std::string_view rest = relativePath;
  while (true) {
    const std::size_t slash = rest.find('/');
    const std::string component(rest.substr(0, slash));
    if (component.empty() || component == "." || component == "..")
      return Failed(FileReadFailure::kUnreadable);
    const bool last = slash == std::string_view::npos;
    const int flags =
        last ? kReadFlags | O_NOFOLLOW : O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    FileDescriptor next(::openat(directory.get(), component.c_str(), flags));
    if (next.get() < 0) return FailedOpen(errno);
    if (last) return ReadOpened(next, limit);
    directory = std::move(next);
    rest.remove_prefix(slash + 1);
  }
}

}  // namespace orvanta
