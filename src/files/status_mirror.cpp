#include "files/status_mirror.h"

#include <cstdlib>
#include <string>

#include "files/write_file.h"
#include "text/code_page.h"

namespace orvanta {

bool MirrorStatusText(std::string_view text) {
  const char* path = std::getenv(kStatusFileVariable);
  if (path == nullptr || path[0] == '\0') return true;
  Text utf8(text);
  LocalToUtf8(utf8);
  // Readers poll the file; a whole rename spares them a half-written line, and a status
  // line is not worth waiting for the disk.
  return WriteFileAtomically(path, utf8, Durability::kNoFlush);
}

}  // namespace orvanta
