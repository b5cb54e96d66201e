#include "news/atom_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "news/tag_end.h"
#include "text/markup_escape.h"

namespace orvanta {
namespace {

// The searched bytes are ASCII below the trail-byte range of GBK, so plain byte searches
// keep to character boundaries.
constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";
constexpr std::string_view kBlanks = " \t\r\n";

// Elements whose content is not text a reader should see.
constexpr std::array<std::string_view, 8> kHiddenElements = {
    "script", "style", "head", "title", "noscript", "iframe", "object", "template"};
// Elements that end a line of text: a blank keeps their words apart.
constexpr std::array<std::string_view, 14> kBreakingElements = {
    "br", "p", "div", "li", "tr", "td", "h1", "h2", "h3", "h4", "h5", "h6", "blockquote", "hr"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::string LowerName(std::string_view tag) {
  std::string name;
  for (const char c : tag) {
    if (!std::isalnum(static_cast<unsigned char>(c))) break;
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

// Just past the ">" that ends the tag opening at text[at]; the end of the text when it never
// ends.
std::size_t PastTag(std::string_view text, std::size_t at) {
  const std::size_t end = StartTagEnd(text, at + 1);
  return end == std::string_view::npos ? text.size() : end + 1;
}

// Past the end tag of name at or after from; the end of the text when there is none.
std::size_t PastEndTag(std::string_view text, std::string_view name, std::size_t from) {
  for (std::size_t at = text.find("</", from); at != std::string_view::npos;
       at = text.find("</", at + 2)) {
    if (LowerName(text.substr(at + 2)) == name) return PastTag(text, at);
  }
  return text.size();
}

bool OpensTag(std::string_view rest) {
  return rest.size() > 1 && (std::isalpha(static_cast<unsigned char>(rest[1])) || rest[1] == '/' ||
                             rest[1] == '!' || rest[1] == '?');
}

struct Cdata {
  std::string_view inner;
  std::size_t next = 0;  // just past the section
};

// The CDATA section that opens at text[at]; one never closed runs to the end.
std::optional<Cdata> CdataAt(std::string_view text, std::size_t at) {
  if (!text.substr(at).starts_with(kCdataOpen)) return std::nullopt;
  const std::size_t begin = at + kCdataOpen.size();
  const std::size_t close = text.find(kCdataClose, begin);
  if (close == std::string_view::npos) return Cdata{text.substr(begin), text.size()};
  return Cdata{text.substr(begin, close - begin), close + kCdataClose.size()};
}

void AppendBlank(Text& out) {
  if (!out.empty() && out.back() != ' ') out += ' ';
}

// The element text of HTML or XHTML markup, as markup: tags, comments and hidden elements
// go, CDATA sections are escaped, a stray "<" or ">" becomes its reference.
Text MarkupText(std::string_view markup) {
  Text out;
  std::size_t at = 0;
  while (at < markup.size()) {
    const std::string_view rest = markup.substr(at);
    const char c = rest[0];
    if (const auto cdata = CdataAt(markup, at)) {
      out += EscapeMarkup(cdata->inner);
      at = cdata->next;
    } else if (rest.starts_with("<!--")) {
      const std::size_t close = markup.find("-->", at + 4);
      at = close == std::string_view::npos ? markup.size() : close + 3;
    } else if (c == '<' && OpensTag(rest)) {
      const bool closing = rest[1] == '/';
      const std::string name = LowerName(rest.substr(closing ? 2 : 1));
      at = PastTag(markup, at);
      const bool selfClosed = at >= 2 && markup[at - 2] == '/' && markup[at - 1] == '>';
      if (!closing && !selfClosed && IsOneOf(name, kHiddenElements))
        at = PastEndTag(markup, name, at);
      if (IsOneOf(name, kBreakingElements)) AppendBlank(out);
    } else if (c == '<') {
      out += "&lt;";
      ++at;
    } else if (c == '>') {
      out += "&gt;";
      ++at;
    } else if (kBlanks.find(c) != std::string_view::npos) {
      AppendBlank(out);
      ++at;
    } else {
      out += c;
      ++at;
    }
  }
  const std::size_t first = out.find_first_not_of(' ');
  if (first == Text::npos) return Text();
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// The character data of XML element content: CDATA sections as they stand, the five
// predefined entities read; numeric references stay for the next reader.
Text XmlCharacterData(std::string_view content) {
  constexpr std::array<std::pair<std::string_view, char>, 5> kEntities = {
      {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}}};
  Text out;
  std::size_t at = 0;
  while (at < content.size()) {
    const std::string_view rest = content.substr(at);
    if (const auto cdata = CdataAt(content, at)) {
      out.append(cdata->inner);
      at = cdata->next;
      continue;
    }
    const auto entity = std::find_if(kEntities.begin(), kEntities.end(),
                                     [&](const auto& e) { return rest.starts_with(e.first); });
    if (entity != kEntities.end()) {
      out += entity->second;
      at += entity->first.size();
    } else {
      out += rest[0];
      ++at;
    }
  }
  return out;
}

}  // namespace

AtomTextKind AtomTextKindOf(std::string_view type, std::string_view mode) {
  if (type == "html" || type == "text/html" || mode == "escaped") return AtomTextKind::kHtml;
  if (type == "xhtml" || type == "application/xhtml+xml") return AtomTextKind::kXhtml;
  return AtomTextKind::kText;
}

Text AtomTextAsPageText(std::string_view content, AtomTextKind kind) {
  // Feeds often put HTML where they name plain text; read as HTML, real plain text comes out
  // the same, only shown.
  if (kind == AtomTextKind::kXhtml) return MarkupText(content);
  return MarkupText(XmlCharacterData(content));
}

}  // namespace orvanta
