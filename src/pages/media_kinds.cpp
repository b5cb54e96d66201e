#include "pages/media_kinds.h"

namespace orvanta {

static_assert(kMediaKinds[1].kind == MediaKind::kImage && kMediaKinds[2].kind == MediaKind::kMusic,
              "rows in the order of the kinds");

const MediaKindRow& MediaKindRowOf(MediaKind kind) {
  return kMediaKinds[static_cast<std::size_t>(kind)];
}

const MediaKindRow* MediaKindOfAddress(std::string_view address) {
  const MediaKindRow* found = nullptr;
  for (const MediaKindRow& row : kMediaKinds)
    if (ContainsBeyondStart(address, row.pageFile)) found = &row;
  return found;
}

const MediaKindRow* MediaKindNamed(std::string_view name) {
  for (const MediaKindRow& row : kMediaKinds)
    if (row.name == name) return &row;
  return nullptr;
}

}  // namespace orvanta
