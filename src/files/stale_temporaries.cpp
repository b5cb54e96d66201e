#include "files/stale_temporaries.h"

#include <signal.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/temporary_name.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

// A process we may not signal still exists; only "no such process" means it is gone.
bool ProcessHasEnded(pid_t process) { return ::kill(process, 0) != 0 && errno == ESRCH; }

bool IsStaleTemporary(const fs::directory_entry& entry) {
  const std::optional<pid_t> owner = TemporaryOwner(entry.path().filename().native());
  if (!owner || !ProcessHasEnded(*owner)) return false;
  std::error_code error;
  return entry.is_regular_file(error) && !entry.is_symlink(error);
}

}  // namespace

int RemoveStaleTemporaries(const std::string& folder) {
  int removed = 0;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code ignored;
    if (IsStaleTemporary(*it) && fs::remove(it->path(), ignored)) ++removed;
  }
  return removed;
}

int RemoveStaleTemporariesBeside(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return RemoveStaleTemporaries(folder.empty() ? std::string(".") : folder.string());
}

}  // namespace orvanta
