// Texts between the program's code page and the toolkit's strings.
#pragma once

#include <wx/string.h>

#include "text/text.h"
#include "text/utf8_text.h"

namespace orvanta {

// A code-page-936 text for a widget.
wxString FromLocal(const Text& text);
// A widget's text in code page 936.
Text ToLocalText(const wxString& text);
wxString FromUtf8(const Utf8Text& text);
Utf8Text ToUtf8Text(const wxString& text);

}  // namespace orvanta
