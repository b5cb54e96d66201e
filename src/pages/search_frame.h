// The block of markup at the head of every generated search page, and its variants.
#pragma once

#include "text/text.h"

namespace orvanta {

enum class FrameVariant { kStartPage, kNewsPageHead, kMediaPage };

// Build mode 1 asks for a complete document; any other value gives a fragment.
inline constexpr int kCompleteDocument = 1;

void AppendDocumentOpening(Text& page);
void AppendDocumentClosing(Text& page);

// Content type, style sheet, the form's opening and the keyword box holding keywordValue
// (already escaped by the caller), up to the opening of the engine selector.
void AppendFrameTop(Text& page, FrameVariant variant, std::string_view keywordValue);

// The ten engine options of the news search form.
void AppendNewsEngineOptions(Text& page);

// The end of the selector, the search link with its address and label, and the form's end.
void AppendSearchLink(Text& page, std::string_view address, std::string_view label);

// The fifteen topic links, the region switch and the region pop-up.
void AppendTopicAndRegionLinks(Text& page);

// The script that turns the form into a search pseudo-link.
void AppendFrameScript(Text& page);

// The label of the news search link, "搜索资讯 ".
const Text& NewsSearchLabel();

// The frame as the news pages carry it: a fragment with the title in the keyword box.
Text BuildNewsPageHead(const Text& title);

}  // namespace orvanta
