// Internet shortcut files: "[InternetShortcut]", then "URL=" and the address.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

// Only this much of a shortcut file is ever read: a huge file costs no more than a small one.
inline constexpr std::size_t kShortcutReadLimit = 64 * 1024;

// The text after the first "=" at byte offset 2 or later, up to the end of its line (a
// CR LF counts as the line end, and the text ends at a zero byte). Nothing when no "=" lies
// at offset 2 or later.
std::optional<Text> ShortcutAddressIn(std::string_view bytes);

// The address of the shortcut file at path, from at most its first 64 KiB; nothing when the
// file cannot be read (a folder, a missing file, a pipe) or holds no address.
std::optional<Text> ReadShortcutAddress(const std::string& path);

// The bytes of a shortcut to address.
Text MakeShortcutText(std::string_view address);

// Writes the shortcut whole (the folder must exist). False when the address would not read
// back as itself (a line break or zero byte in it) or the file cannot be written.
bool WriteShortcutFile(const std::string& path, std::string_view address);

}  // namespace orvanta
