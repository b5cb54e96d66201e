#include "browser/own_page_scheme_ui.h"

#include <webkit2/webkit2.h>

#include <string>

#include "browser/browser_address.h"
#include "files/read_file.h"
#include "pages/own_page_file.h"

namespace orvanta {
namespace {

void Refuse(WebKitURISchemeRequest* request) {
  GError* error = g_error_new_literal(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "not an own page");
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
}

// Runs on the window thread; page files are small and read without blocking.
void ServeOwnPage(WebKitURISchemeRequest* request, gpointer) {
  const std::string path = OwnPagePath(webkit_uri_scheme_request_get_uri(request));
  if (!IsOwnPageFile(path, CurrentDirectory())) return Refuse(request);
  FileRead read = ReadRegularFile(path);
  if (!read.bytes) return Refuse(request);
  const auto length = static_cast<gint64>(read.bytes->size());
  auto* held = new std::string(std::move(*read.bytes));
  GBytes* bytes = g_bytes_new_with_free_func(held->data(), held->size(),
                                             [](gpointer text) { delete static_cast<std::string*>(text); },
                                             held);
  GInputStream* stream = g_memory_input_stream_new_from_bytes(bytes);
  WebKitURISchemeResponse* response = webkit_uri_scheme_response_new(stream, length);
  webkit_uri_scheme_response_set_content_type(response, "text/html; charset=GBK");
  webkit_uri_scheme_request_finish_with_response(request, response);
  g_object_unref(response);
  g_object_unref(stream);
  g_bytes_unref(bytes);
}

}  // namespace

void RegisterOwnPageScheme() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  // Every web view of the program lives in the engine's default context.
  WebKitWebContext* context = webkit_web_context_get_default();
  const std::string scheme(kOwnPageScheme);
  webkit_web_context_register_uri_scheme(context, scheme.c_str(), ServeOwnPage, nullptr, nullptr);
  webkit_security_manager_register_uri_scheme_as_local(
      webkit_web_context_get_security_manager(context), scheme.c_str());
}

}  // namespace orvanta
