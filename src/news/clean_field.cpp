#include "news/clean_field.h"

#include <array>
#include <string>
#include <utility>

#include "net/service_hosts.h"
#include "news/active_markup_filter.h"
#include "text/code_page.h"
#include "text/link_filters.h"

namespace orvanta {
namespace {

constexpr std::string_view kLinkMarker = "link>";
constexpr std::string_view kDescriptionMarker = "description>";

Text Http(std::string_view host, std::string_view path = {}) {
  Text address = "http://";
  address += host;
  address += path;
  return address;
}

void Remove(Text& field, std::string_view old) { ReplaceInPlace(field, old, ""); }

bool Contains(const Text& field, std::string_view pattern) {
  return ContainsBeyondStart(field, pattern);
}

// The closing tags that feeds use for layout.
constexpr std::array<std::string_view, 11> kLayoutClosers = {
    "b>", "nobr>", "table>", "div>", "span>", "tr>", "td>", "strong>", "center>", "a>", "font>"};

bool StartsWithLayoutCloser(std::string_view rest) {
  for (std::string_view closer : kLayoutClosers)
    if (rest.starts_with(closer)) return true;
  return false;
}

// Every occurrence of opener becomes beforeCloser when a layout closer follows it, and
// elsewhere otherwise: the outcome of one replace pass per closer, in a single scan. The
// openers begin with ASCII below the trail-byte range, so each occurrence is a character.
void RewriteOpeners(Text& field, std::string_view opener, std::string_view beforeCloser,
                    std::string_view elsewhere) {
  const std::string_view text = field;
  std::size_t position = text.find(opener);
  if (position == std::string_view::npos) return;
  Text result;
  result.reserve(text.size());
  std::size_t copied = 0;
  for (; position != std::string_view::npos; position = text.find(opener, copied)) {
    result.append(text.substr(copied, position - copied));
    copied = position + opener.size();
    result.append(StartsWithLayoutCloser(text.substr(copied)) ? beforeCloser : elsewhere);
  }
  result.append(text.substr(copied));
  field = std::move(result);
}

// Layout closing tags keep their "</", every other one loses it; a field that held an
// escaped layout closer gets the real tag too.
void StripClosingMarks(Text& field) {
  RewriteOpeners(field, "</", "&lt;/", "");
  RewriteOpeners(field, "&lt;/", "</", "&lt;/");
}

void CleanGoogle(Text& field, std::string_view marker) {
  ReplaceInPlace(field, "&amp;", "&");
  ReplaceInPlace(field, "&quot;", "\"");
  Remove(field, "size=\"-1\" class=\"p\"");
  Remove(field, "class=\"p\"");
  Remove(field, "size=\"-1\"");
  static const Text kMore = Http(hosts::kGoogleNews, "/news/more");
  Remove(field, kMore);
  Remove(field, "and more&nbsp;&raquo;");
  if (marker == kDescriptionMarker) {
    ReplaceInPlace(field, "src=\"//", "src=\"http://");
    // The redirect wrapper in front of each article address; when a marker is missing the
    // clamped piece is whatever mid gives, exactly as the pages have always shown it.
    const int start = Find(field, "url?sa=");
    const int end = Find(field, "&amp;url=");
    Remove(field, Mid(field, start, end - start));
    static const Text kRedirect = Http(hosts::kGoogleNews, "/news/&url=");
    Remove(field, kRedirect);
  } else if (marker == kLinkMarker) {
    if (Contains(field, "url=http")) {
      Remove(field, Left(field, Find(field, "url=http")));
      ReplaceInPlace(field, "url=http", "http");
    }
  }
}

void CleanBaiduImages(Text& field) {
  const bool proxied = Contains(field, hosts::kBaiduImageProxy3) ||
                       Contains(field, hosts::kBaiduImageProxy2) ||
                       Contains(field, hosts::kBaiduImageProxy1);
  if (!proxied || !Contains(field, "u=http")) return;
  static const std::array<Text, 3> kProxies = {Http(hosts::kBaiduImageProxy1, "/it/u="),
                                               Http(hosts::kBaiduImageProxy2, "/it/u="),
                                               Http(hosts::kBaiduImageProxy3, "/it/u=")};
  for (const Text& proxy : kProxies) Remove(field, proxy);
  const int start = Find(field, "&amp;fm=");
  const int end = Find(field, "border=0");
  ReplaceInPlace(field, Mid(field, start, end - start), " ");
}

void CleanAddresses(Text& field, std::string_view marker) {
  Remove(field, "<em id=\"comNum2\">0</font>");
  static const Text kSina = Http(hosts::kSinaRedirect, "/redirect.php?url=");
  Remove(field, kSina);
  if (Contains(field, hosts::kGoogleNewsHostMark)) CleanGoogle(field, marker);
  CleanBaiduImages(field);
  ReplaceInPlace(field, "http%3A%2F%2F", "http://");
  ReplaceInPlace(field, "%2F", "/");
  if (Contains(field, ".jpg&fm=") || Contains(field, ".png&fm=") || Contains(field, ".gif&fm=")) {
    ReplaceInPlace(field, ".jpg&fm=30\">", ".jpg\">");
    ReplaceInPlace(field, ".png&fm=30\">", ".png\">");
    ReplaceInPlace(field, ".gif&fm=30\">", ".gif\">");
  }
}

void CleanSosoLongText(Text& field) {
  if (field.size() <= 300 || !Contains(field, hosts::kSosoNews)) return;
  Remove(field, "<b>");
  Remove(field, "</b>");
  ReplaceInPlace(field, "<object", "&lt;object");
  for (std::string_view frame : {"<CENTER>", "</CENTER>", "<center>", "</center>", "--"})
    Remove(field, frame);
  static const Text kPreviewBy = Gbk("以上正文预览由");
  Remove(field, kPreviewBy);
  field = Left(field, 300) + "...";
}

void CleanYoudao(Text& field) {
  if (!Contains(field, hosts::kYoudaoNews)) return;
  static const Text kTopic = Gbk("查看专题");
  if (Contains(field, kTopic)) field = CutMarkedLink(field, kTopic);
  static const Text kTopicSymbol = "<img src=\"" +
                                   Http(hosts::kYoudaoNews, "/images/tranzhuantisymbol.png") +
                                   "\" border=\"0\" alt=\"\" align=absmiddle>";
  Remove(field, kTopicSymbol);
  ReplaceInPlace(field, "<img src=", "<img border='0' src=");
}

}  // namespace

Text CleanField(Text field, std::string_view marker) {
  if (field.empty()) return field;
  StripClosingMarks(field);
  if (marker == kDescriptionMarker || marker == kLinkMarker) CleanAddresses(field, marker);

  Remove(field, "]]>");
  Remove(field, "<![CDATA[");
  ReplaceInPlace(field, "&lt;", "<");
  ReplaceInPlace(field, "&gt;", ">");
  ReplaceInPlace(field, "#c60a00", "#ff0000");
  Remove(field, "&quot;");
  ReplaceInPlace(field, ".jpg%3F", ".jpg?");
  CleanSosoLongText(field);
  static const Text kRelated = Gbk("条相关>>");
  if (Contains(field, kRelated)) field = CutMarkedLink(field, kRelated);
  CleanYoudao(field);

  // Feed content ends up in local pages that may read local files: nothing of it may run.
  field = NeutraliseActiveMarkup(field);
  if (marker == kLinkMarker) field = NeutraliseLinkAddress(field);
  return field;
}

}  // namespace orvanta
