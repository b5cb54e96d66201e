#include "news/atom_entries.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "news/atom_date.h"
#include "news/atom_text.h"
#include "news/clean_field.h"
#include "news/tag_end.h"

namespace orvanta {
namespace {

// Every search below starts with "<", which is never the trail byte of a GBK character, so
// plain byte searches keep to character boundaries.
constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";
constexpr std::string_view kNameEnds = " \t\r\n/><";

struct Element {
  std::string_view name;
  std::string_view attributes;  // the start tag between the name and its ">" or "/>"
  std::string_view content;     // between the start and the end tag
  std::size_t end = 0;          // just past the end tag, or the end of the text
};

// Where the end tag of name begins at or after from; CDATA sections are passed over whole.
std::size_t EndTagStart(std::string_view text, std::string_view name, std::size_t from) {
  for (std::size_t at = text.find('<', from); at != std::string_view::npos;
       at = text.find('<', at + 1)) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with(kCdataOpen)) {
      const std::size_t close = text.find(kCdataClose, at + kCdataOpen.size());
      if (close == std::string_view::npos) return std::string_view::npos;
      at = close;
    } else if (rest.starts_with("</") && rest.substr(2).starts_with(name) &&
               (rest.size() == 2 + name.size() ||
                kNameEnds.find(rest[2 + name.size()]) != std::string_view::npos)) {
      return at;
    }
  }
  return std::string_view::npos;
}

// The element whose start tag opens at text[open]; nothing when that tag never closes. An
// element without an end tag runs to the end of the text.
std::optional<Element> ElementAt(std::string_view text, std::size_t open) {
  const std::size_t nameBegin = open + 1;
  const std::size_t nameEnd = std::min(text.find_first_of(kNameEnds, nameBegin), text.size());
  if (nameEnd == nameBegin) return std::nullopt;
  const std::size_t tagEnd = StartTagEnd(text, nameEnd);
  if (tagEnd == std::string_view::npos) return std::nullopt;
  Element element;
  element.name = text.substr(nameBegin, nameEnd - nameBegin);
  const bool empty = text[tagEnd - 1] == '/';
  element.attributes = text.substr(nameEnd, tagEnd - nameEnd - (empty ? 1 : 0));
  if (empty) {
    element.end = tagEnd + 1;
    return element;
  }
  const std::size_t contentBegin = tagEnd + 1;
  const std::size_t endTag = EndTagStart(text, element.name, contentBegin);
  if (endTag == std::string_view::npos) {
    element.content = text.substr(contentBegin);
    element.end = text.size();
    return element;
  }
  element.content = text.substr(contentBegin, endTag - contentBegin);
  const std::size_t close = text.find('>', endTag);
  element.end = close == std::string_view::npos ? text.size() : close + 1;
  return element;
}

// The next start tag of name at or after from.
std::size_t NextStartTag(std::string_view text, std::string_view name, std::size_t from) {
  const std::size_t size = 1 + name.size();
  for (std::size_t at = text.find('<', from); at != std::string_view::npos;
       at = text.find('<', at + 1)) {
    if (text.substr(at + 1).starts_with(name) &&
        (at + size == text.size() || kNameEnds.find(text[at + size]) != std::string_view::npos))
      return at;
  }
  return std::string_view::npos;
}

constexpr std::string_view kBlanks = " \t\r\n";

struct AttributeValue {
  std::string_view text;
  std::size_t next = std::string_view::npos;  // where the reading goes on
};

// The value that begins at tag[at], quoted or bare.
AttributeValue ValueAt(std::string_view tag, std::size_t at) {
  if (at == std::string_view::npos) return {};
  if (tag[at] != '"' && tag[at] != '\'') {
    const std::size_t end = std::min(tag.find_first_of(kBlanks, at), tag.size());
    return {tag.substr(at, end - at), end};
  }
  const std::size_t end = std::min(tag.find(tag[at], at + 1), tag.size());
  return {tag.substr(at + 1, end - at - 1), end + 1};
}

// Attributes are read one after another from the start of the tag, so a name inside
// another attribute's value never counts. A name without a value has the empty one.
std::optional<std::string_view> AttributeOf(std::string_view tag, std::string_view wanted) {
  for (std::size_t at = tag.find_first_not_of(kBlanks); at < tag.size();
       at = tag.find_first_not_of(kBlanks, at)) {
    const std::size_t nameEnd = std::min(tag.find_first_of(" \t\r\n=", at), tag.size());
    const std::string_view name = tag.substr(at, nameEnd - at);
    AttributeValue value{{}, nameEnd};
    const std::size_t equals = tag.find_first_not_of(kBlanks, nameEnd);
    if (equals != std::string_view::npos && tag[equals] == '=')
      value = ValueAt(tag, tag.find_first_not_of(kBlanks, equals + 1));
    if (name == wanted) return value.text;
    at = value.next;
  }
  return std::nullopt;
}

// The elements directly inside an entry, so that a <title> inside <source> or inside
// escaped content is never taken for the entry's own.
class EntryChildren {
 public:
  explicit EntryChildren(std::string_view entry) {
    for (std::size_t at = entry.find('<'); at != std::string_view::npos; at = entry.find('<', at)) {
      const std::string_view rest = entry.substr(at);
      std::optional<Element> child;
      if (!rest.starts_with("</") && !rest.starts_with("<!") && !rest.starts_with("<?"))
        child = ElementAt(entry, at);
      if (child) {
        children_.push_back(*child);
        at = child->end;
      } else {
        at = Skipped(entry, at);
      }
    }
  }

  std::optional<Element> First(std::string_view name) const {
    for (const Element& child : children_)
      if (child.name == name) return child;
    return std::nullopt;
  }

  std::string_view ContentOf(std::string_view name) const {
    const auto child = First(name);
    return child ? child->content : std::string_view();
  }

  // The href of the first link that is the alternate (a link without rel is one), else of
  // the first link at all.
  std::string_view LinkAddress() const {
    std::optional<std::string_view> first;
    for (const Element& child : children_) {
      if (child.name != "link") continue;
      const std::string_view href = AttributeOf(child.attributes, "href").value_or("");
      const auto rel = AttributeOf(child.attributes, "rel");
      if (!rel || *rel == "alternate") return href;
      if (!first) first = href;
    }
    return first.value_or("");
  }

 private:
  // Past a comment, CDATA, declaration or stray tag that is not a child element.
  static std::size_t Skipped(std::string_view entry, std::size_t at) {
    const std::string_view rest = entry.substr(at);
    std::string_view close = ">";
    if (rest.starts_with("<!--")) close = "-->";
    if (rest.starts_with(kCdataOpen)) close = kCdataClose;
    const std::size_t end = entry.find(close, at + 1);
    return end == std::string_view::npos ? std::string_view::npos : end + close.size();
  }

  std::vector<Element> children_;
};

std::string_view FirstNonEmpty(std::string_view preferred, std::string_view otherwise) {
  return preferred.empty() ? otherwise : preferred;
}

// <summary>, else <content>, as its text.
Text DescriptionOf(const EntryChildren& children) {
  auto element = children.First("summary");
  if (!element || element->content.empty()) element = children.First("content");
  if (!element) return Text();
  const AtomTextKind kind = AtomTextKindOf(AttributeOf(element->attributes, "type").value_or(""),
                                           AttributeOf(element->attributes, "mode").value_or(""));
  return AtomTextAsPageText(element->content, kind);
}

void AppendEntry(NewsItemStore& store, std::string_view entry) {
  const EntryChildren children(entry);
  store.titles.push_back(CleanField(Text(children.ContentOf("title")), "title>"));
  store.links.push_back(CleanField(Text(children.LinkAddress()), "link>"));
  const std::string_view date =
      FirstNonEmpty(children.ContentOf("updated"), children.ContentOf("published"));
  store.dates.push_back(RewriteAtomDate(CleanField(Text(date), "pubDate>")));
  store.descriptions.push_back(DescriptionOf(children));
}

}  // namespace

bool HasAtomEntries(std::string_view feed) {
  return NextStartTag(feed, "entry", 0) != std::string_view::npos;
}

void ParseAtomEntries(NewsItemStore& store, std::string_view feed, std::size_t storeLimit) {
  for (std::size_t at = NextStartTag(feed, "entry", 0);
       at != std::string_view::npos && store.titles.size() < storeLimit;
       at = NextStartTag(feed, "entry", at)) {
    const std::optional<Element> entry = ElementAt(feed, at);
    if (!entry) return;
    AppendEntry(store, entry->content);
    at = entry->end;
  }
}

}  // namespace orvanta
