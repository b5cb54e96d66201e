#include "browser/own_page_scheme_ui.h"

#include <webkit2/webkit2.h>

#include <optional>
#include <string>
#include <utility>

#include "browser/browser_address.h"
#include "files/read_file.h"
#include "pages/own_page_file.h"
#include "pages/own_page_scripts.h"

namespace orvanta {
namespace {

void Refuse(WebKitURISchemeRequest* request) {
  GError* error = g_error_new_literal(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "not an own page");
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
}

// The page file's bytes: never through a link put into "sc" or "temp" (it would serve any
// file of the user's to the page's scripts), and never more than a page can be.
std::optional<std::string> ReadOwnPage(const std::string& path) {
  const std::string folder = CurrentDirectory();
  if (!IsOwnPageFile(path, folder)) return std::nullopt;
  std::string below = path.substr(folder.size());
  if (!below.empty() && below[0] == '/') below.erase(0, 1);
  FileRead read = ReadRegularFileBelow(folder, below, kOwnPageFileLimit + 1);
  if (!read.bytes || read.bytes->size() > kOwnPageFileLimit) return std::nullopt;
  return std::move(read.bytes);
}

std::string Sha256Source(const std::string& source) {
  GChecksum* checksum = g_checksum_new(G_CHECKSUM_SHA256);
  g_checksum_update(checksum, reinterpret_cast<const guchar*>(source.data()),
                    static_cast<gssize>(source.size()));
  guint8 digest[32];
  gsize length = sizeof digest;
  g_checksum_get_digest(checksum, digest, &length);
  g_checksum_free(checksum);
  gchar* encoded = g_base64_encode(digest, length);
  std::string hashed = std::string(" 'sha256-") + encoded + "'";
  g_free(encoded);
  return hashed;
}

// Only the scripts the builders wrote run in an own page, so that a hole in the markup filter
// brings markup, never a script. Their pages also run scripts given as text
// (setInterval("t()")), hence eval.
const std::string& OwnPagePolicy() {
  static const std::string policy = [] {
    const PageScripts& scripts = OwnPageScripts();
    std::string text = "script-src 'unsafe-hashes' 'unsafe-eval'";
    for (const std::string& source : scripts.sources) text += Sha256Source(source);
    for (const std::string& host : scripts.hosts) text += " " + host;
    return text + "; object-src 'none'; base-uri 'none'";
  }();
  return policy;
}

// Runs on the window thread; page files are small and read without blocking.
void ServeOwnPage(WebKitURISchemeRequest* request, gpointer) {
  std::optional<std::string> page =
      ReadOwnPage(OwnPagePath(webkit_uri_scheme_request_get_uri(request)));
  if (!page) return Refuse(request);
  const auto length = static_cast<gint64>(page->size());
  auto* held = new std::string(std::move(*page));
  GBytes* bytes = g_bytes_new_with_free_func(
      held->data(), held->size(), [](gpointer text) { delete static_cast<std::string*>(text); },
      held);
  GInputStream* stream = g_memory_input_stream_new_from_bytes(bytes);
  WebKitURISchemeResponse* response = webkit_uri_scheme_response_new(stream, length);
  webkit_uri_scheme_response_set_content_type(response, "text/html; charset=GBK");
  SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
  soup_message_headers_append(headers, "Content-Security-Policy", OwnPagePolicy().c_str());
  webkit_uri_scheme_response_set_http_headers(response, headers);  // takes the headers
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
