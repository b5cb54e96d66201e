#include "browser/readable_address_ui.h"

#include <webkit2/webkit2.h>

namespace orvanta {

Utf8Text ReadableAddress(std::string_view url) {
  std::string address(url);
  gchar* shown = webkit_uri_for_display(address.c_str());
  if (shown == nullptr) return Utf8Text(std::move(address));
  Utf8Text text{std::string(shown)};
  g_free(shown);
  return text;
}

}  // namespace orvanta
