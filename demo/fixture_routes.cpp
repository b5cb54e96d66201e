#include "demo/fixture_routes.h"

#include "net/service_hosts.h"

namespace orvanta::demo {

using namespace hosts;

const std::vector<FeedRoute>& FeedRoutes() {
  constexpr std::string_view focus = "feeds/baidu_focus_16_items_gbk.xml";
  constexpr std::string_view society = "feeds/baidu_society_12_items_gbk.xml";
  constexpr std::string_view baiduPictures = "feeds/baidu_image_proxy_pictures.xml";
  constexpr std::string_view google = "feeds/google_news_utf8_redirect_tables.xml";
  constexpr std::string_view googleSports = "news_pages/google_sports_3_items_utf8.xml";
  constexpr std::string_view netease = "feeds/netease_top_4_items_utf8.xml";
  constexpr std::string_view sohu = "feeds/sohu_news_5_items_gbk.xml";
  constexpr std::string_view sohuSports = "news_pages/sohu_sports_2_items.xml";
  constexpr std::string_view sina = "feeds/sina_gbk_cdata_redirect_links.xml";
  constexpr std::string_view youdao = "feeds/youdao_topic_symbol_links.xml";
  constexpr std::string_view soso = "feeds/soso_long_text_preview.xml";
  constexpr std::string_view atom = "feeds/atom_tech_entries_utf8.xml";
  // The focus topic always gets the long feed, so that its pages page.
  static const std::vector<FeedRoute> routes = {
      {kBaiduNews, "/n?cmd=1&", {focus}},
      {kBaiduNews, "/n?", {focus, society}},
      {kBaiduNews, "", {baiduPictures, society}},
      {kGoogleNews, "", {google, googleSports}},
      {kGoogleNewsChina, "", {google, googleSports}},
      {kNetEaseNews, "", {netease}},
      {kNetEaseTech, "", {netease}},
      {kSohuNews, "", {sohu, sohuSports}},
      {kSohuMilitaryNews, "", {sohu}},
      {kSohuAutoFeed, "", {sohu, sohuSports}},
      {kSinaFeed, "", {sina}},
      {kChinaEconomicNetEducation, "", {sohu}},
      {kIfengNews, "", {netease, sohu}},
      {kYoudaoNews, "", {youdao}},
      {kSosoNewsInformation, "", {soso}},
      {kSosoFeed, "", {soso}},
      {kJikeNews, "", {netease}},
      {kAtomFeedHost, "", {atom}},
  };
  return routes;
}

const std::vector<PageRoute>& MediaRoutes() {
  static const std::vector<PageRoute> routes = {
      {kYouku, "media/youku_home_utf8.html"},
      {kIqiyi, "media/iqiyi_home_utf8.html"},
      {kTudou, "media/tudou_home_gbk.html"},
      {kYahooChinaImage, "media/yahoo_image_home_gbk.html"},
      {kBaiduImage, "media/baidu_image_home_gbk.html"},
      {kSosoImage, "media/soso_image_home_utf8.html"},
      {kSosoMusic, "media/soso_music_index_gbk.html"},
      {kBaiduMp3, "media/baidu_mp3_home_gbk.html"},
      {kSogouMp3, "media/sogou_mp3_home_gbk.html"},
  };
  return routes;
}

const std::vector<std::string_view>& SearchHosts() {
  static const std::vector<std::string_view> searchHosts = {
      kBaiduWeb,        kSosoWeb,        kGoogleHongKong,   kBingChina,       kYoudaoWeb,
      kSogouWeb,        kSinaSearch,     kYahooChinaSearch, kSinaWeiboSearch, kGouGou,
      kSogouNews,       kYahooChinaNews, kCntvSearch,       kCntvMain,        kIfengSearch,
      kIfengMain,       kBaiduVideo,     kSogouVideo,       kYoudaoVideo,     kSinaVideoSearch,
      kSosoVideo,       kSoku,           kTudouSearch,      kSogouPicture,    kYoudaoImage,
      kSosoMusicSearch, kGoogleChina,    kYahooChinaMusic,
  };
  return searchHosts;
}

}  // namespace orvanta::demo
