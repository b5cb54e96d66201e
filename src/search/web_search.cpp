#include "search/web_search.h"

#include <array>

#include "net/service_hosts.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

namespace hosts = orvanta::hosts;

constexpr WebEngine kWebEngines[] = {
    {"去百度搜索", hosts::kBaiduWeb, "/s?wd=", "", false},
    {"去腾讯搜索", hosts::kSosoWeb, "/q?w=", "", false},
    {"去谷歌搜索", hosts::kGoogleHongKong, "/search?hl=zh-CN&q=", "", false},
    {"去必应搜索", hosts::kBingChina, "/search?q=", "", true},
    {"去有道搜索", hosts::kYoudaoWeb, "/search?q=", "", false},
    {"去搜狗搜索", hosts::kSogouWeb, "/sogou?query=", "", false},
    {"去新浪搜索", hosts::kSinaSearch, "/?q=", "&c=news", false},
    {"去雅虎搜索", hosts::kYahooChinaSearch, "/s?p=", "", false},
    {"去微博搜索", hosts::kSinaWeiboSearch, "/weibo/", "", false},
    {"去狗狗搜索", hosts::kGouGou, "/search?search=", "", false},
};

}  // namespace

std::span<const WebEngine> WebEngines() { return kWebEngines; }

Text BoxText(const WebEngine& engine) { return Gbk(engine.boxTextUtf8); }

const Text& KeywordPlaceholder() {
  static const Text placeholder = Gbk("请输入搜索关键词");
  return placeholder;
}

const Text& KeywordPlaceholderStatus() {
  static const Text status = "  " + KeywordPlaceholder();
  return status;
}

bool IsMissingKeyword(const Text& keyword) {
  return keyword.empty() || keyword == KeywordPlaceholder();
}

Text BuildWebSearchAddress(const Text& engineText, const Text& keyword) {
  // Converted once: the box texts are compared on every search.
  static const std::array<Text, std::size(kWebEngines)> boxTexts = [] {
    std::array<Text, std::size(kWebEngines)> texts;
    for (std::size_t i = 0; i < std::size(kWebEngines); ++i) texts[i] = BoxText(kWebEngines[i]);
    return texts;
  }();
  for (std::size_t i = 0; i < std::size(kWebEngines); ++i) {
    if (engineText != boxTexts[i]) continue;
    const WebEngine& engine = kWebEngines[i];
    Text address = "http://" + Text(engine.host) + Text(engine.pathBeforeKeyword) + keyword +
                   Text(engine.afterKeyword);
    if (engine.wholeAddressInUtf8) LocalToUtf8(address);
    return address;
  }
  return keyword;
}

}  // namespace orvanta
