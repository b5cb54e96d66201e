// Texts are code-page-936 byte strings; positions and lengths count bytes, -1 is "not found".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

using Text = std::string;
using TextArray = std::vector<Text>;

inline constexpr int kNotFound = -1;

// First occurrence of pattern at or after start that begins on a character boundary.
int Find(std::string_view text, std::string_view pattern, int start = 0);

// The system's containment test: the first occurrence lies beyond position 0.
bool ContainsBeyondStart(std::string_view text, std::string_view pattern);

// Every non-overlapping occurrence, scanning from the left; an empty old changes nothing.
Text ReplaceAll(std::string_view text, std::string_view old, std::string_view replacement);
void ReplaceInPlace(Text& text, std::string_view old, std::string_view replacement);

Text Mid(std::string_view text, int first, int count);
Text Mid(std::string_view text, int first);
Text Left(std::string_view text, int count);
Text Right(std::string_view text, int count);

}  // namespace orvanta
