// Conversions between UTF-8 and code page 936.
#pragma once

#include "text/text.h"

namespace orvanta {

// Characters without a code-page-936 form and malformed UTF-8 become "?".
void Utf8ToLocal(Text& text);
// Bytes that are not code page 936 become "?".
void LocalToUtf8(Text& text);

// The code-page-936 form of a UTF-8 literal: lets the sources spell the system's Chinese
// texts readably.
Text Gbk(std::string_view utf8);

}  // namespace orvanta
