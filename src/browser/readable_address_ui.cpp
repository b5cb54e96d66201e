#include "browser/readable_address_ui.h"

#include <webkit2/webkit2.h>

namespace orvanta {

std::string ReadableAddress(std::string_view url) {
  const std::string address(url);
  gchar* shown = webkit_uri_for_display(address.c_str());
  if (shown == nullptr) return address;
  std::string text(shown);
  g_free(shown);
  return text;
}

}  // namespace orvanta
