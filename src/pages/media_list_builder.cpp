#include "pages/media_list_builder.h"

#include <unordered_set>
#include <utility>

#include "files/stale_temporaries.h"
#include "files/write_file.h"
#include "net/download.h"
#include "net/download_error_message.h"
#include "net/service_hosts.h"
#include "news/active_markup_filter.h"
#include "pages/base_name_lock.h"
#include "pages/media_list_markup.h"
#include "pages/media_words.h"
#include "text/code_page.h"
#include "text/link_filters.h"
#include "text/split_text.h"

namespace orvanta {
namespace {

constexpr std::string_view kLinkStart = "<a target='_blank' ";
constexpr std::string_view kLinkEnd = "/a>";

// Removing "<em>" can join "<" and "a" into a second anchor inside the link text, or close
// it early. Such a link is markup smuggled past the cut; it is also the only kind that could
// sit in the list other than as a whole element, which is what lets the duplicate test
// below look links up instead of searching the list.
bool SmugglesAnchor(std::string_view link) {
  const std::string_view inner =
      link.substr(kLinkStart.size(), link.size() - kLinkStart.size() - kLinkEnd.size());
  return inner.find("<a") != std::string_view::npos ||
         inner.find(kLinkEnd) != std::string_view::npos;
}

}  // namespace

CMediaListBuilder::CMediaListBuilder(MessageSink showMessage)
    : showMessage_(std::move(showMessage)) {}

CMediaListBuilder::~CMediaListBuilder() = default;

Text CMediaListBuilder::BuildMediaListPage(const Text& slot1, const Text& slot2, const Text& slot3,
                                           const Text& slot4, const Text& slot5, const Text& slot6,
                                           const Text& listFile, const Text& /*listFileAgain*/) {
  // Two builds of one list would otherwise race for the same file.
  const auto lock = LockBaseName(listFile);
  RemoveStaleTemporariesBeside(listFile);
  const Text first = FetchPage(slot1);
  if (first.empty()) {
    if (showMessage_) showMessage_(DownloadErrorMessage());
    // A list file that cannot be written leaves the search page polling; nothing to add.
    WriteFileAtomically(listFile, BuildMediaListFailureMarkup(), Durability::kNoFlush);
    return Text();
  }
  Text list = HarvestLinks(first);
  for (const Text* slot : {&slot2, &slot3, &slot4, &slot5, &slot6})
    if (!slot->empty()) list += HarvestLinks(FetchPage(*slot));
  WriteFileAtomically(listFile, BuildMediaListMarkup(list), Durability::kNoFlush);
  return list;
}

Text DecodeMediaPage(std::string_view address, Text page) {
  if (ContainsBeyondStart(address, hosts::kSosoDomain)) ReplaceInPlace(page, "ie=utf-8", "");
  if (ContainsBeyondStart(address, hosts::kBaiduDomain)) ReplaceInPlace(page, "ie=utf-8", "");
  if (ContainsBeyondStart(page, "=UTF-8") || ContainsBeyondStart(page, "=utf-8")) Utf8ToLocal(page);
  return page;
}

Text CMediaListBuilder::FetchPage(const Text& address) {
  return DecodeMediaPage(address, DownloadLines(address));
}

Text CMediaListBuilder::HarvestLinks(const Text& page) {
  Text text = page;
  if (ContainsBeyondStart(text, hosts::kYahooChinaDomain)) {
    // The image site writes its list and search links relative to itself.
    const Text base(hosts::kYahooChinaImageBase);
    ReplaceInPlace(text, "href=\"toplist.php", "href=\"" + base + "/toplist.php");
    ReplaceInPlace(text, "href=\"/s?q=", "href=\"" + base + "/s?q=");
    ReplaceInPlace(text, "onmouse", "");
  }
  ReplaceInPlace(text, "<A", "<a");
  ReplaceInPlace(text, "/A>", "/a>");
  ReplaceInPlace(text, "<a", "$$");
  text = Mid(text, Find(text, "$"));

  TextArray pieces;
  SplitText(text, pieces, "$$");
  text.clear();

  Text list;
  // Every link in the list is a whole element that no other element overlaps, so "already
  // in the list" is a look-up; searching the growing list for each link would be quadratic.
  std::unordered_set<Text> listed;
  for (const Text& piece : pieces) {
    Text link = CutLink(piece, kLinkEnd);
    if (link.empty() || SmugglesAnchor(link) || !CarriesMediaWord(link)) continue;
    if (listed.contains(link)) continue;
    // The footer words are AppendIfNew's; on an empty list it tests nothing else.
    if (AppendIfNew(Text(), link).empty()) continue;
    list += link;
    listed.insert(std::move(link));
  }
  return list;
}

Text CMediaListBuilder::CutLink(std::string_view piece, std::string_view endMark) {
  TextArray parts;
  SplitText(ReplaceAll(piece, endMark, "!!"), parts, "!!");
  Text text = ItemAt(parts, 0);
  ReplaceInPlace(text, "<em>", "");
  ReplaceInPlace(text, "</em>", "");
  if (ContainsBeyondStart(text, "><")) return Text();        // wraps another tag, a picture
  if (!ContainsBeyondStart(text, "http://")) return Text();  // relative address
  if (!ContainsBeyondStart(text, "<")) return Text();        // no end tag in front of the mark
  Text link = Text(kLinkStart) + text + Text(kLinkEnd);
  // These links land in a local page that may read local files: one that the feed filter
  // would have to change (a handler, a script address, an active element, markup left
  // open into the next link) is dropped, not mended.
  if (NeutraliseActiveMarkup(link) != link) return Text();
  return link;
}

}  // namespace orvanta
