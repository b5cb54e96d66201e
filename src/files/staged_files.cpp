#include "files/staged_files.h"

#include <cstdio>
#include <optional>

namespace orvanta {

StagedFiles::~StagedFiles() {
  for (const auto& [target, temporary] : staged_) std::remove(temporary.c_str());
}

bool StagedFiles::Stage(const std::string& path, std::string_view text, Durability durability) {
  std::optional<std::string> temporary = WriteTemporaryBeside(path, text, durability);
  if (!temporary) return false;
  staged_.emplace_back(path, std::move(*temporary));
  return true;
}

bool StagedFiles::PutInPlace() {
  while (!staged_.empty()) {
    const auto& [target, temporary] = staged_.back();
    if (std::rename(temporary.c_str(), target.c_str()) != 0) return false;
    staged_.pop_back();
  }
  return true;
}

}  // namespace orvanta
