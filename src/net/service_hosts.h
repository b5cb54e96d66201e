// The host of every service that the system talks to, in one place. Other files only read it.
#pragma once

#include <string_view>

namespace orvanta::hosts {

// News feeds of the topic and region table.
inline constexpr std::string_view kBaiduNews = "news.baidu.com";
inline constexpr std::string_view kGoogleNews = "news.google.com";
inline constexpr std::string_view kGoogleNewsChina = "news.google.cn";
inline constexpr std::string_view kNetEaseNews = "news.163.com";
inline constexpr std::string_view kNetEaseTech = "tech.163.com";
inline constexpr std::string_view kSohuNews = "news.sohu.com";
inline constexpr std::string_view kSohuMilitaryNews = "mil.news.sohu.com";
inline constexpr std::string_view kSohuAutoFeed = "auto.sohu.com";
inline constexpr std::string_view kSinaFeed = "rss.sina.com.cn";
inline constexpr std::string_view kChinaEconomicNetEducation = "edu.ce.cn";
inline constexpr std::string_view kIfengNews = "news.ifeng.com";
inline constexpr std::string_view kYoudaoNews = "news.youdao.com";
inline constexpr std::string_view kSosoNewsInformation = "news.soso.com";

// Keyword feeds.
inline constexpr std::string_view kBaiduNewsSearch = "news.baidu.com";
inline constexpr std::string_view kSosoFeed = "rss.soso.com";
inline constexpr std::string_view kJikeNews = "news.jike.com";

// Markup cleanup. The Google News test must match both Google News hosts above.
inline constexpr std::string_view kGoogleNewsHostMark = "news.google.";
inline constexpr std::string_view kSinaRedirect = "go.rss.sina.com.cn";
inline constexpr std::string_view kBaiduImageProxy1 = "t1.baidu.com";
inline constexpr std::string_view kBaiduImageProxy2 = "t2.baidu.com";
inline constexpr std::string_view kBaiduImageProxy3 = "t3.baidu.com";
inline constexpr std::string_view kSosoNews = "news.soso.com";

// Media-site home pages and the domains their scrapers test for.
inline constexpr std::string_view kYouku = "www.youku.com";
inline constexpr std::string_view kIqiyi = "www.iqiyi.com";
inline constexpr std::string_view kTudou = "www.tudou.com";
inline constexpr std::string_view kYahooChinaImage = "image.yahoo.cn";
inline constexpr std::string_view kBaiduImage = "image.baidu.com";
inline constexpr std::string_view kSosoImage = "image.soso.com";
inline constexpr std::string_view kSosoMusic = "music.soso.com";
inline constexpr std::string_view kBaiduMp3 = "mp3.baidu.com";
inline constexpr std::string_view kSogouMp3 = "mp3.sogou.com";
inline constexpr std::string_view kSosoDomain = "soso.com";
inline constexpr std::string_view kBaiduDomain = "baidu.com";
inline constexpr std::string_view kYahooChinaDomain = "yahoo.cn";
inline constexpr std::string_view kYahooChinaImageBase = "http://image.yahoo.cn";

// Web search engines of the engine box.
inline constexpr std::string_view kBaiduWeb = "www.baidu.com";
inline constexpr std::string_view kSosoWeb = "www.soso.com";
inline constexpr std::string_view kGoogleHongKong = "www.google.com.hk";
inline constexpr std::string_view kBingChina = "cn.bing.com";
inline constexpr std::string_view kYoudaoWeb = "www.youdao.com";
inline constexpr std::string_view kSogouWeb = "www.sogou.com";
inline constexpr std::string_view kSinaSearch = "search.sina.com.cn";
inline constexpr std::string_view kYahooChinaSearch = "www.yahoo.cn";
inline constexpr std::string_view kSinaWeiboSearch = "s.weibo.com";
inline constexpr std::string_view kGouGou = "www.gougou.com";

// Engines of the page search forms.
inline constexpr std::string_view kSogouNews = "news.sogou.com";
inline constexpr std::string_view kYahooChinaNews = "news.yahoo.cn";
inline constexpr std::string_view kCntvSearch = "search.cntv.cn";
inline constexpr std::string_view kCntvMain = "www.cntv.cn";
inline constexpr std::string_view kIfengSearch = "so.v.ifeng.com";
inline constexpr std::string_view kIfengMain = "v.ifeng.com";
inline constexpr std::string_view kBaiduVideo = "video.baidu.com";
inline constexpr std::string_view kSogouVideo = "v.sogou.com";
inline constexpr std::string_view kYoudaoVideo = "video.youdao.com";
inline constexpr std::string_view kSinaVideoSearch = "video.sina.com.cn";
inline constexpr std::string_view kSinaVideoMain = "video.sina.com.cn";
inline constexpr std::string_view kSosoVideo = "video.soso.com";
inline constexpr std::string_view kSoku = "www.soku.com";
inline constexpr std::string_view kTudouSearch = "so.tudou.com";
inline constexpr std::string_view kGoogleHongKongImages = "www.google.com.hk";
inline constexpr std::string_view kSogouPicture = "pic.sogou.com";
inline constexpr std::string_view kYoudaoImage = "image.youdao.com";
inline constexpr std::string_view kSosoMusicSearch = "cgi.music.soso.com";
inline constexpr std::string_view kGoogleChina = "www.google.cn";
inline constexpr std::string_view kYahooChinaMusic = "music.yahoo.cn";

// The maker's own site: a reserved name that never resolves until the program has a site,
// so that no third party can serve script into the generated pages.
inline constexpr std::string_view kMaker = "orvanta.example";

}  // namespace orvanta::hosts
