// What the user is told when one of the program's files cannot be written.
#pragma once

#include <string>

#include "text/text.h"

namespace orvanta {

// "无法写入文件 " and the file's full name, in the code page of the messages; path is a
// file-system name (UTF-8), relative to the current directory or absolute.
Text WriteFailureMessage(const std::string& path);

}  // namespace orvanta
