#include "pages/own_page_file.h"

#include <array>

namespace orvanta {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsOwnPageFile(std::string_view path, std::string_view workingFolder) {
  if (workingFolder.empty() || !StartsWith(path, workingFolder)) return false;
  std::string_view rest = path.substr(workingFolder.size());
  if (workingFolder.back() != '/') {
    if (!StartsWith(rest, "/")) return false;
    rest.remove_prefix(1);
  }
  for (const std::string_view folder : std::array<std::string_view, 2>{"sc/", "temp/"}) {
    if (!StartsWith(rest, folder)) continue;
    const std::string_view name = rest.substr(folder.size());
    return !name.empty() && name.find_first_of("/.") == std::string_view::npos;
  }
  return false;
}

}  // namespace orvanta
