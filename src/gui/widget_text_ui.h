// Texts between the program's code page and the toolkit's strings.
#pragma once

#include <wx/string.h>

#include "text/text.h"

namespace orvanta {

// A code-page-936 text for a widget.
wxString FromLocal(const Text& text);
// A widget's text in code page 936.
Text ToLocalText(const wxString& text);

}  // namespace orvanta
