// Conversions between code page 936 and UTF-8 or another encoding.
#pragma once

#include <optional>
#include <string_view>

#include "text/text.h"

namespace orvanta {

// Characters without a code-page-936 form and malformed UTF-8 become "?".
void Utf8ToLocal(Text& text);
// Bytes that are not code page 936 become "?".
void LocalToUtf8(Text& text);
// Code page 936 in an encoding that iconv names, characters it lacks as "?"; nothing when
// iconv knows no such encoding.
std::optional<Text> LocalToEncoding(std::string_view text, const char* encoding);

// The code-page-936 form of UTF-8 text, or nothing when it is not UTF-8 that code page 936
// can hold whole: a line of a user's file must not quietly turn into question marks.
std::optional<Text> Utf8ToLocalExactly(std::string_view utf8);

// The code-page-936 form of a UTF-8 literal: lets the sources spell the system's Chinese
// texts readably.
Text Gbk(std::string_view utf8);

}  // namespace orvanta
