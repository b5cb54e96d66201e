#include "browser/saved_page_name.h"

namespace orvanta {

std::string SavedPageName(std::string_view title) {
  std::string name;
  for (const char c : title) {
    const bool forbidden =
        c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == '\x7f';
    name += forbidden ? '_' : c;
  }
  const std::size_t first = name.find_first_not_of(" .");
  const std::size_t last = name.find_last_not_of(' ');
  // Blanks at the ends and leading dots would make a hidden or an odd name.
  name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
  return (name.empty() ? std::string("page") : name) + ".html";
}

}  // namespace orvanta
