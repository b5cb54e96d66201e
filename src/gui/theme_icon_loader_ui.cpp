#include "gui/theme_icon_loader_ui.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <future>

namespace orvanta {
namespace {

// The image library opens its loaders under its own lock, and every loader it accepts is
// thread-safe; decoding one tiny picture leaves the SVG loader open for the theme.
void DecodeOneSvgIcon() {
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_mime_type("image/svg+xml", nullptr);
  if (loader == nullptr) return;  // no SVG loader: the theme does without one anyway
  static constexpr char kIcon[] =
      "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
      "<path d='M4 6h8l-4 4z'/></svg>";
  gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(kIcon), sizeof kIcon - 1,
                          nullptr);
  gdk_pixbuf_loader_close(loader, nullptr);
  g_object_unref(loader);
}

}  // namespace

void OpenThemeIconLoaderAside() {
  // Kept, so that the end of the process waits for it instead of cutting it off mid-load.
  static const std::future<void> opening = std::async(std::launch::async, DecodeOneSvgIcon);
}

}  // namespace orvanta
