#include "browser/engine_start_ui.h"

#include <webkit2/webkit2.h>

#include <cstdlib>

namespace orvanta {
namespace {

void ForgetAcceptPolicy(GObject* manager, GAsyncResult* result, gpointer) {
  webkit_cookie_manager_get_accept_policy_finish(WEBKIT_COOKIE_MANAGER(manager), result, nullptr);
}

}  // namespace

void KeepEngineUncomposited() { ::setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0); }

void StartEngineNetworkAhead(const char* programPath) {
  if (g_get_prgname() == nullptr && programPath != nullptr) {
    gchar* name = g_path_get_basename(programPath);
    g_set_prgname(name);
    g_free(name);
  }
  WebKitCookieManager* cookies =
      webkit_web_context_get_cookie_manager(webkit_web_context_get_default());
  webkit_cookie_manager_get_accept_policy(cookies, nullptr, ForgetAcceptPolicy, nullptr);
}

}  // namespace orvanta
