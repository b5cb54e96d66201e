#include "files/write_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/file_descriptor.h"
#include "files/temporary_name.h"

namespace orvanta {
namespace {

bool WriteWhole(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool Flushed(int descriptor, Durability durability) {
  return durability == Durability::kNoFlush || ::fsync(descriptor) == 0;
}

}  // namespace

std::optional<std::string> WriteTemporaryBeside(const std::string& path, std::string_view text,
                                                Durability durability) {
  std::string temporary = TemporaryNameFor(path);
  FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (file.get() < 0) return std::nullopt;
  const bool written = WriteWhole(file.get(), text) && Flushed(file.get(), durability);
  if (!file.Close() || !written) {
    std::remove(temporary.c_str());
    return std::nullopt;
  }
  return temporary;
}

bool WriteFileAtomically(const std::string& path, std::string_view text, Durability durability) {
  const std::optional<std::string> temporary = WriteTemporaryBeside(path, text, durability);
  if (!temporary) return false;
  if (std::rename(temporary->c_str(), path.c_str()) != 0) {
    std::remove(temporary->c_str());
    return false;
  }
  return true;
}

}  // namespace orvanta
