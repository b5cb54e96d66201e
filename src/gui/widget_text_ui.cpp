#include "gui/widget_text_ui.h"

#include "text/code_page.h"

namespace orvanta {

wxString FromLocal(const Text& text) {
  Text utf8 = text;
  LocalToUtf8(utf8);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

Text ToLocalText(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  Text local(utf8.data(), utf8.length());
  Utf8ToLocal(local);
  return local;
}

wxString FromUtf8(const Utf8Text& text) { return wxString::FromUTF8(text.Bytes()); }

Utf8Text ToUtf8Text(const wxString& text) { return Utf8Text(text.utf8_string()); }

}  // namespace orvanta
