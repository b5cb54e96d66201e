#include "demo/search_result_page.h"

#include <array>

#include "text/code_page.h"
#include "text/markup_escape.h"

namespace orvanta::demo {
namespace {

// Query parameters of the engines, in the order they are looked for.
constexpr std::array<std::string_view, 8> kQueryNames = {"wd", "word", "query",  "q",
                                                         "w",  "p",    "search", "key"};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      bytes += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
               HexValue(text[i + 2]) >= 0) {
      bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}

// The browser engine sends UTF-8; the program's own addresses carry GBK unchanged.
bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 2) return false;
    i += length;
  }
  return true;
}

std::string_view ParameterValue(std::string_view query, std::string_view name) {
  while (!query.empty()) {
    const std::size_t end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    if (pair.size() > name.size() && pair.substr(0, name.size()) == name &&
        pair[name.size()] == '=')
      return pair.substr(name.size() + 1);
    if (end == std::string_view::npos) break;
    query.remove_prefix(end + 1);
  }
  return {};
}

}  // namespace

std::string SearchQuery(std::string_view target) {
  const std::size_t mark = target.find('?');
  std::string_view raw;
  if (mark != std::string_view::npos) {
    for (const auto name : kQueryNames) {
      raw = ParameterValue(target.substr(mark + 1), name);
      if (!raw.empty()) break;
    }
  } else {
    raw = target.substr(target.rfind('/') + 1);
  }
  std::string query = PercentDecoded(raw);
  if (IsUtf8(query)) Utf8ToLocal(query);
  return query;
}

std::string SearchResultPage(std::string_view host, std::string_view target) {
  const std::string query = EscapeMarkup(SearchQuery(target));
  return Gbk("<html><head><meta http-equiv=\"content-type\" content=\"text/html; "
             "charset=gb2312\"><title>") +
         query + Gbk(" - 搜索结果</title></head><body><h3>") + Text(host) + Gbk("</h3><p>找到与“") +
         query + Gbk("”相关的结果（离线演示）</p><ol><li><a href=\"http://www.baidu.com/\">") +
         query + Gbk(" 的相关新闻</a></li></ol></body></html>\n");
}

}  // namespace orvanta::demo
