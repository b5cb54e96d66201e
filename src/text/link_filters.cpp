#include "text/link_filters.h"

#include <array>

#include "text/split_text.h"

namespace orvanta {

Text CutMarkedLink(Text text, std::string_view marker) {
  TextArray parts;
  SplitText(text, parts, marker);
  const Text before = ItemAt(parts, 0);
  const Text after = ItemAt(parts, 1);

  TextArray anchors;
  SplitText(before, anchors, "<a");
  const Text lead = "<a" + anchors.back();
  ReplaceInPlace(text, lead, "");

  TextArray ends;
  SplitText(after, ends, "</a>");
  const Text tail = Text(marker) + ends.front() + "</a>";
  ReplaceInPlace(text, tail, "");
  return text;
}

Text AppendIfNew(const Text& accumulated, std::string_view piece) {
  if (Find(accumulated, piece) >= 0) return accumulated;
  // Footer lines of Chinese sites: licences, police notices, internet-culture pledges.
  static constexpr std::array<std::string_view, 6> kFooterWords = {
      "\xB7\xA8",                                                  // 法
      "\xD0\xED\xBF\xC9",                                          // 许可
      "\xB1\xA8\xBE\xAF",                                          // 报警
      "\xCD\xF8\xC2\xE7\xCE\xC4\xBB\xAF",                          // 网络文化
      "\xD6\xD0\xB9\xFA\xBB\xA5\xC1\xAA\xCD\xF8\xB3\xCF\xD0\xC5",  // 中国互联网诚信
      "\xB9\xAB\xD4\xBC",                                          // 公约
  };
  for (std::string_view word : kFooterWords)
    if (ContainsBeyondStart(piece, word)) return accumulated;
  return accumulated + Text(piece);
}

}  // namespace orvanta
