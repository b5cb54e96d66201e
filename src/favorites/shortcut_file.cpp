#include "favorites/shortcut_file.h"

#include "files/read_file.h"
#include "files/write_file.h"
#include "text/text.h"

namespace orvanta {

std::optional<Text> ShortcutAddressIn(std::string_view bytes) {
  if (bytes.size() <= 2) return std::nullopt;
  const std::size_t equals = bytes.find('=', 2);
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view line = bytes.substr(equals + 1);
  line = line.substr(0, line.find('\n'));
  // Read as text, a CR LF is one line end.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  line = line.substr(0, line.find('\0'));
  return Text(line);
}

std::optional<Text> ReadShortcutAddress(const std::string& path) {
  const std::optional<std::string> bytes = ReadRegularFile(path, kShortcutReadLimit).bytes;
  if (!bytes) return std::nullopt;
  return ShortcutAddressIn(*bytes);
}

Text MakeShortcutText(std::string_view address) {
  Text text = "[InternetShortcut]\r\nURL=";
  text += address;
  text += "\r\n";
  return text;
}

bool WriteShortcutFile(const std::string& path, std::string_view address) {
  if (address.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return false;
  }
  return WriteFileAtomically(path, MakeShortcutText(address), Durability::kFlushToDisk);
}

}  // namespace orvanta
