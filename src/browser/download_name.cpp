#include "browser/download_name.h"

namespace orvanta {

std::string ProposedFileName(std::string_view url) {
  url = url.substr(0, url.find_first_of("?#"));
  const std::size_t scheme = url.find("://");
  if (scheme != std::string_view::npos) url.remove_prefix(scheme + 3);
  const std::size_t slash = url.rfind('/');
  // A bare host names a page, not a file.
  if (slash == std::string_view::npos) return "download";
  const std::string_view last = url.substr(slash + 1);
  if (last.empty() || last == "." || last == "..") return "download";
  return std::string(last);
}

}  // namespace orvanta
