#include "pages/page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <memory>

namespace orvanta {
namespace {

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return descriptor_; }
  bool Close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return ::close(descriptor) == 0;
  }

 private:
  int descriptor_;
};

bool WriteWhole(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text) {
  const std::string temporary = TemporaryNameFor(path);
  FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (file.get() < 0) return false;
  const bool written = WriteWhole(file.get(), text) && ::fsync(file.get()) == 0;
  if (!file.Close() || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

std::unique_lock<std::mutex> LockBaseName(const std::string& baseName) {
  static std::mutex registryMutex;
  static std::map<std::string, std::unique_ptr<std::mutex>> locks;
  std::mutex* lock;
  {
    std::lock_guard<std::mutex> guard(registryMutex);
    auto& slot = locks[baseName];
    if (!slot) slot = std::make_unique<std::mutex>();
    lock = slot.get();
  }
  return std::unique_lock<std::mutex>(*lock);
}

}  // namespace orvanta
