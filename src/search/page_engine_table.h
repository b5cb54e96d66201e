// The engines of the search forms inside generated pages, by option number.
#pragma once

#include <span>
#include <string_view>

#include "text/text.h"

namespace orvanta {

struct PageEngine {
  std::string_view number;  // the option value, compared as text
  const char* labelUtf8;    // the option text of the form
  std::string_view queryHost;
  std::string_view queryPath;  // in front of the keyword
  std::string_view afterKeyword;
  bool queryInUtf8;  // the whole query address is converted to UTF-8
  bool hasHome;      // false: an empty keyword asks for one instead
  std::string_view homeHost;
  std::string_view homePath;
};

// Options 2 to 66 in table order; option 1, the system's own engine, has no row.
std::span<const PageEngine> PageEngines();

// The row of an option number, or nullptr.
const PageEngine* FindPageEngine(std::string_view number);

// The query address for a keyword (inserted unchanged).
Text BuildQueryAddress(const PageEngine& engine, const Text& keyword);
// The address opened for an empty keyword; only meaningful when hasHome.
Text BuildHomeAddress(const PageEngine& engine);

}  // namespace orvanta
