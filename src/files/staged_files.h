// Files that belong together, put in place together.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/write_file.h"

namespace orvanta {

// Pages that link to each other are written beside their targets first and put in place
// only once every one of them is written: a full disk leaves the set that was there before,
// never a page that links to one that is missing. Whatever is still staged when the object
// ends is removed.
class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // False when text could not be written; what was staged before stays staged.
  bool Stage(const std::string& path, std::string_view text, Durability durability);
  // Renames every staged file over its target, the first staged last, so that the first
  // page, which the others are reached from, changes only once they are all in place. False
  // when a rename failed.
  bool PutInPlace();

 private:
  std::vector<std::pair<std::string, std::string>> staged_;  // target, temporary
};

}  // namespace orvanta
