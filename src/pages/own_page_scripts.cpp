#include "pages/own_page_scripts.h"

#include <algorithm>
#include <cctype>

#include "news/news_item_store.h"
#include "pages/advert_script.h"
#include "pages/build_news_pages.h"
#include "pages/media_list_markup.h"
#include "pages/page_files.h"
#include "pages/search_frame.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view pattern, std::size_t from) {
  for (std::size_t at = from; at + pattern.size() <= text.size(); ++at)
    if (StartsWithNoCase(text.substr(at), pattern)) return at;
  return std::string_view::npos;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

void AddOnce(std::vector<std::string>& list, std::string item) {
  if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(std::move(item));
}

// The engine hashes the text it parsed: UTF-8, with CR LF read as LF.
void AddSource(PageScripts& scripts, std::string_view gbk) {
  Text text;
  for (std::size_t i = 0; i < gbk.size(); ++i)
    if (!(gbk[i] == '\r' && i + 1 < gbk.size() && gbk[i + 1] == '\n')) text += gbk[i];
  LocalToUtf8(text);
  AddOnce(scripts.sources, std::move(text));
}

void AddHost(PageScripts& scripts, std::string_view address) {
  const std::size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return;
  const std::size_t end = address.find_first_of("/?#", scheme + 3);
  AddOnce(scripts.hosts, std::string(address.substr(0, end)));
}

struct Attribute {
  std::string_view name, value;
};

// The attributes of the tag whose name ends at position; position ends after its ">".
std::vector<Attribute> ReadAttributes(std::string_view markup, std::size_t& position) {
  std::vector<Attribute> attributes;
  while (position < markup.size()) {
    while (position < markup.size() && (IsBlank(markup[position]) || markup[position] == '/'))
      ++position;
    if (position >= markup.size() || markup[position] == '>') break;
    const std::size_t nameStart = position;
    while (position < markup.size() && !IsBlank(markup[position]) && markup[position] != '=' &&
           markup[position] != '>' && markup[position] != '/')
      ++position;
    Attribute attribute{markup.substr(nameStart, position - nameStart), {}};
    while (position < markup.size() && IsBlank(markup[position])) ++position;
    if (position < markup.size() && markup[position] == '=') {
      ++position;
      while (position < markup.size() && IsBlank(markup[position])) ++position;
      const char quote = position < markup.size() ? markup[position] : '\0';
      if (quote == '\'' || quote == '"') {
        const std::size_t end = std::min(markup.find(quote, position + 1), markup.size());
        attribute.value = markup.substr(position + 1, end - position - 1);
        position = end + 1;
      } else {
        const std::size_t start = position;
        while (position < markup.size() && !IsBlank(markup[position]) && markup[position] != '>')
          ++position;
        attribute.value = markup.substr(start, position - start);
      }
    }
    attributes.push_back(attribute);
  }
  ++position;
  return attributes;
}

Text NewsPageForScripts() {
  const Text title = "t";
  return RenderNewsPage(NewsItemStore{}, 1, 1, "temp/~astq", SubscribeLinks(title),
                        BuildNewsPageHead(title), BuildAdvertScript(1));
}

}  // namespace

void CollectPageScripts(std::string_view markup, PageScripts& scripts) {
  std::size_t position = 0;
  while ((position = markup.find('<', position)) != std::string_view::npos) {
    if (markup.substr(position, 4) == "<!--") {
      position = markup.find("-->", position);
      continue;
    }
    std::size_t nameEnd = position + 1;
    while (nameEnd < markup.size() && std::isalnum(static_cast<unsigned char>(markup[nameEnd])))
      ++nameEnd;
    if (nameEnd == position + 1) {  // an end tag, or a "<" in text
      ++position;
      continue;
    }
    const bool script =
        StartsWithNoCase(markup.substr(position + 1), "script") && nameEnd == position + 7;
    position = nameEnd;
    bool loaded = false;
    for (const Attribute& attribute : ReadAttributes(markup, position)) {
      if (StartsWithNoCase(attribute.name, "on")) AddSource(scripts, attribute.value);
      if (StartsWithNoCase(attribute.value, "javascript:")) AddSource(scripts, attribute.value);
      if (script && StartsWithNoCase(attribute.name, "src") && attribute.name.size() == 3) {
        AddHost(scripts, attribute.value);
        loaded = true;
      }
    }
    if (!script) continue;
    const std::size_t end = std::min(FindNoCase(markup, "</script", position), markup.size());
    if (!loaded) AddSource(scripts, markup.substr(position, end - position));
    position = end;
  }
}

const PageScripts& OwnPageScripts() {
  static const PageScripts scripts = [] {
    PageScripts found;
    for (const Text& page : {StartPageText(), VideoPageText(), ImagePageText(), MusicPageText(),
                             LoadingPageText(), HelpPageText(), NewsPageForScripts(),
                             BuildMediaListMarkup(Text()), BuildMediaListFailureMarkup()})
      CollectPageScripts(page, found);
    for (int advert = 1; advert <= 4; ++advert)
      CollectPageScripts(BuildAdvertScript(advert), found);
    return found;
  }();
  return scripts;
}

}  // namespace orvanta
