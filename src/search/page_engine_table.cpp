#include "search/page_engine_table.h"

#include "net/service_hosts.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

namespace h = orvanta::hosts;

constexpr std::string_view kNoPath = "";

// number, label, query host, query path, after keyword, UTF-8, has home, home host, home path.
// Bing reads its query in UTF-8 only: a GBK keyword would search for garbage, so every Bing
// row sends the whole address in UTF-8.
constexpr PageEngine kPageEngines[] = {
    {"2", "去百度新闻搜索", h::kBaiduNews, "/ns?word=", "", false, true, h::kBaiduNews, kNoPath},
    {"3", "去即刻新闻搜索", h::kJikeNews, "/so?q=", "", false, true, h::kJikeNews, kNoPath},
    {"4", "去搜狗新闻搜索", h::kSogouNews, "/news?query=", "", false, true, h::kSogouNews, kNoPath},
    {"5", "去谷歌资讯搜索", h::kGoogleNews, "/news/search?q=", "", false, true, h::kGoogleNews,
     kNoPath},
    {"6", "去搜搜新闻搜索", h::kSosoNews, "/n.q?w=", "", false, true, h::kSosoNews, kNoPath},
    {"7", "去有道新闻搜索", h::kYoudaoNews, "/search?q=", "", false, true, h::kYoudaoNews, kNoPath},
    {"8", "去必应新闻搜索", h::kBingChina, "/news/search?q=", "", true, true, h::kBingChina,
     "/news/"},
    {"9", "去雅虎资讯搜索", h::kYahooChinaNews, "/s?q=", "", false, true, h::kYahooChinaNews,
     kNoPath},
    {"10", "去新浪微博搜索", h::kSinaWeiboSearch, "/weibo/", "", false, true, h::kSinaWeiboSearch,
     "/"},
    {"20", "去CNTV搜索", h::kCntvSearch, "/search.php?qtext=", "", false, true, h::kCntvMain, "/"},
    {"21", "去凤凰视频搜索", h::kIfengSearch, "/sofeng/search.action?c=5&q=", "", false, true,
     h::kIfengMain, "/"},
    {"22", "去百度视频搜索", h::kBaiduVideo, "/v?word=", "", false, true, h::kBaiduVideo, "/"},
    {"23", "去谷歌搜索", h::kGoogleHongKong, "/search?q=", "&tbs=vid%3A1", false, false, "", ""},
    {"24", "去搜狗视频搜索", h::kSogouVideo, "/v?query=", "", false, true, h::kSogouVideo, "/"},
    {"25", "去有道视频搜索", h::kYoudaoVideo, "/search?q=", "", false, true, h::kYoudaoVideo, "/"},
    {"26", "去新浪视频搜索", h::kSinaVideoSearch, "/search.php?k=", "", false, true,
     h::kSinaVideoMain, "/"},
    {"27", "去搜搜视频搜索", h::kSosoVideo, "/search/?ch=v.res.search&pid=v.search&w=", "", false,
     true, h::kSosoVideo, "/"},
    {"28", "去必应视频搜索", h::kBingChina, "/videos/search?q=", "", true, true, h::kBingChina,
     "/videos/"},
    {"29", "去搜库搜索", h::kSoku, "/search_video/q_", "", false, true, h::kYouku, kNoPath},
    {"30", "去土豆搜索", h::kTudouSearch, "/nisearch/", "", false, true, h::kTudou, kNoPath},
    {"42", "去百度图片搜索", h::kBaiduImage, "/i?ct=201326592&word=", "", false, true,
     h::kBaiduImage, kNoPath},
    {"43", "去谷歌搜索", h::kGoogleHongKongImages, "/images?q=", "", false, true,
     h::kGoogleHongKongImages, kNoPath},
    {"44", "去搜狗图片搜索", h::kSogouPicture, "/pics?query=", "", false, true, h::kSogouPicture,
     kNoPath},
    {"45", "去有道图片搜索", h::kYoudaoImage, "/search?q=", "", false, true, h::kYoudaoImage,
     kNoPath},
    {"46", "去新浪图片搜索", h::kSinaSearch, "/?q=", "&c=img", false, false, "", ""},
    {"47", "去搜搜图片搜索", h::kSosoImage, "/image.cgi?w=", "", false, true, h::kSosoImage,
     kNoPath},
    {"48", "去必应图片搜索", h::kBingChina, "/images/search?q=", "", true, true, h::kBingChina,
     "/images"},
    {"49", "去雅虎图片搜索", h::kYahooChinaImage, "/s?q=", "", false, true, h::kYahooChinaImage,
     kNoPath},
    {"62", "去百度MP3搜索", h::kBaiduMp3, "/m?ct=134217728&word=", "", false, true, h::kBaiduMp3,
     kNoPath},
    {"63", "去搜搜音乐搜索", h::kSosoMusicSearch, "/fcgi-bin/m.q?w=", "", false, true,
     h::kSosoMusic, "/index.html"},
    {"64", "去搜狗音乐搜索", h::kSogouMp3, "/music.so?query=", "", false, true, h::kSogouMp3,
     kNoPath},
    {"65", "去谷歌音乐搜索", h::kGoogleChina, "/music/search?q=", "", false, true, h::kGoogleChina,
     "/music"},
    {"66", "去雅虎音乐搜索", h::kYahooChinaMusic, "/s?q=", "", false, true, h::kYahooChinaMusic,
     kNoPath},
};

}  // namespace

std::span<const PageEngine> PageEngines() { return kPageEngines; }

const PageEngine* FindPageEngine(std::string_view number) {
  for (const PageEngine& engine : kPageEngines)
    if (engine.number == number) return &engine;
  return nullptr;
}

Text BuildQueryAddress(const PageEngine& engine, const Text& keyword) {
  Text address = "http://" + Text(engine.queryHost) + Text(engine.queryPath) + keyword +
                 Text(engine.afterKeyword);
  if (engine.queryInUtf8) LocalToUtf8(address);
  return address;
}

Text BuildHomeAddress(const PageEngine& engine) {
  return "http://" + Text(engine.homeHost) + Text(engine.homePath);
}

}  // namespace orvanta
