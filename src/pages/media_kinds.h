// The three media kinds, one row each: the search page the main window writes, the list file
// that page polls for and a list job writes, and the engine rows the page draws from.
#pragma once

#include <array>
#include <string_view>

#include "pages/page_files.h"
#include "text/text.h"

namespace orvanta {

enum class MediaKind { kVideo, kImage, kMusic };

struct MediaKindRow {
  MediaKind kind;
  std::string_view name;      // as orvanta-cli names it
  std::string_view pageFile;  // the search page
  std::string_view listFile;  // what the page polls for, beside it in "sc"
  Text (*pageText)();         // the search page as the window writes it
  int firstEngine;            // the page's random engine is one of engineCount rows from here
  int engineCount;
};

inline constexpr std::array<MediaKindRow, 3> kMediaKinds{{
    {MediaKind::kVideo, "video", "sc/jz2", "sc/~astq3339681", VideoPageText, 20, 10},
    {MediaKind::kImage, "image", "sc/jz3", "sc/~astq3339682", ImagePageText, 42, 8},
    {MediaKind::kMusic, "music", "sc/jz4", "sc/~astq3339683", MusicPageText, 62, 5},
}};

const MediaKindRow& MediaKindRowOf(MediaKind kind);
// The kind whose search page the address shows (the last row found in it wins); none when it
// shows no search page.
const MediaKindRow* MediaKindOfAddress(std::string_view address);
const MediaKindRow* MediaKindNamed(std::string_view name);

}  // namespace orvanta
