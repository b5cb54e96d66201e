// The user's sources file: feed addresses that replace built-in rows and the keyword feeds.
//
// UTF-8 text, one row a line, fields separated by tabs:
//   NUMBER <tab> up to six addresses            a topic or region row, all six slots
//   keyword <tab> up to five templates <tab> gbk|utf8
// "#" starts a comment line; an empty field is an empty slot.
#pragma once

#include <string>
#include <string_view>

#include "news/source_overrides.h"
#include "text/text.h"

namespace orvanta {

// No file of the program grows anywhere near this; a bigger one is not read.
inline constexpr std::size_t kSourcesFileLimit = 1u << 20;

struct SourcesFile {
  SourceOverrides overrides;  // only the lines that were read without fault
  TextArray problems;         // one GBK text for each bad line, naming file and line
};

// $XDG_CONFIG_HOME/orvanta/sources; empty when there is no home to find it in.
std::string SourcesFilePath();

// fileName names the file in the problems.
SourcesFile ParseSourcesFile(std::string_view utf8, std::string_view fileName);

// No file is no problem; a file that cannot be read is one, and nothing of it is used.
SourcesFile ReadSourcesFile(const std::string& path);

}  // namespace orvanta
