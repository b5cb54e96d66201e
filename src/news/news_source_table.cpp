#include "news/news_source_table.h"

#include <string>
#include <string_view>
#include <vector>

#include "net/service_hosts.h"
#include "text/code_page.h"
#include "text/percent_escape.h"

namespace orvanta {
namespace {

struct TopicRow {
  std::string_view number, name;
  std::string_view slot1;
  std::string_view slot2Host, slot2;
  std::string_view slot3Host, slot3;
  std::string_view ct, kd, w;
  std::string_view slot6;
};

using namespace hosts;

// Names are UTF-8 here and turned into code page 936 once.
constexpr TopicRow kTopics[] = {
    {"1", "焦点", "/n?cmd=1&class=civilnews&tn=rss&sub=0", kGoogleNews,
     "/news?pz=1&cf=i&ned=cn&hl=zh-CN&topic=po&output=rss", kNetEaseNews,
     "/special/00011K6L/rss_newstop.xml", "all", "t", "jiaodian", "/news/marquee/ddt.xml"},
    {"2", "国内", "/n?cmd=4&class=civilnews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=n&output=rss", kSohuNews, "/rss/guonei.xml", "domestic",
     "ft", "civil", "/news/china/focus15.xml"},
    {"3", "国际", "/n?cmd=4&class=internews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=w&output=rss", kSohuNews, "/rss/guoji.xml", "intl", "ft",
     "world", "/news/world/focus15.xml"},
    {"4", "军事", "/ns?word=%BE%FC%CA%C2&tn=newsrss&sr=0&cl=2&rn=20&ct=0", kGoogleNews,
     "/news?hdlOnly=1&cf=i&ned=cn&hl=zh-CN&q=%E5%86%9B%E4%BA%8B&cf=i&output=rss", kSohuMilitaryNews,
     "/rss/junshi.xml", "military", "ft", "military", "/roll/mil/hot_roll.xml"},
    {"5", "财经", "/n?cmd=1&class=finannews&tn=rss&sub=0", kGoogleNews,
     "/news?hdlOnly=1&cf=i&ned=cn&hl=zh-CN&topic=b&output=rss", kBaiduNews,
     "/ns?word=%B2%C6%BE%AD&tn=newsrss&sr=0&cl=2&rn=20&ct=0", "finance", "ft", "finance",
     "/roll/finance/hot_roll.xml"},
    {"6", "互联网", "/n?cmd=4&class=internet&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=i&output=rss", kBaiduNews,
     "/ns?word=%BB%A5%C1%AA%CD%F8&tn=newsrss&sr=0&cl=2&rn=20&ct=0", "internet", "ft", "web",
     "/tech/internet/home28.xml"},
    {"7", "房产", "/n?cmd=4&class=housenews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=es&output=rss", kBaiduNews,
     "/ns?word=%B7%BF%B2%FA&tn=newsrss&sr=0&cl=2&rn=20&ct=0", "house", "ft", "house",
     "/blog/house/fc.xml"},
    {"8", "汽车", "/n?cmd=4&class=autonews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=a&output=rss", kSohuAutoFeed, "/rss/qichexinwen.xml", "auto",
     "ft", "auto", "/news/allnews/auto.xml"},
    {"9", "体育", "/n?cmd=4&class=sportnews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=s&output=rss", kSohuNews, "/rss/sports.xml", "gym", "ft",
     "sport", "/roll/sports/hot_roll.xml"},
    {"10", "娱乐", "/n?cmd=4&class=enternews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=e&output=rss", kSohuNews, "/rss/yule.xml", "fun", "ft",
     "play", "/ent/hot_roll.xml"},
    {"11", "游戏", "/n?cmd=4&class=gamenews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&q=%E6%B8%B8%E6%88%8F&cf=i&output=rss", kSinaFeed,
     "/blog/games/yx.xml", "game", "ft", "game", "/news/allnews/games.xml"},
    {"12", "教育", "/n?cmd=4&class=edunews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=ed&output=rss", kChinaEconomicNetEducation,
     "/home/index_6314.xml", "education", "ft", "edu", "/roll/edu/hot_roll.xml"},
    {"13", "科技", "/n?cmd=4&class=technnews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=t&output=rss", kNetEaseTech,
     "/special/00091JPQ/techimportant.xml", "tech", "ft", "tech", "/news/allnews/tech.xml"},
    {"14", "社会", "/n?cmd=4&class=socianews&tn=rss", kGoogleNews,
     "/news?cf=i&ned=cn&hl=zh-CN&topic=y&output=rss", kIfengNews, "/pubres/rss/society/feed.xml",
     "society", "ft", "society", "/news/society/misc15.xml"},
    {"15", "健康", "/n?cmd=4&class=healthnews&tn=rss", kBaiduNews,
     "/n?cmd=4&class=socianews&tn=rss", kBaiduNews,
     "/ns?word=%BD%A1%BF%B5&tn=newsrss&sr=0&cl=2&rn=20&ct=0", "health", "ft", "health",
     "/blog/news/jk.xml"},
};

struct RegionRow {
  std::string_view number, name, loc;
};

constexpr RegionRow kRegions[] = {
    {"21", "北京", "0"},      {"22", "上海", "2354"},   {"23", "天津", "125"},
    {"24", "重庆", "6425"},   {"25", "广东", "5495"},   {"26", "河北", "250"},
    {"27", "辽宁", "1481"},   {"28", "吉林", "1783"},   {"29", "甘肃", "8534"},
    {"30", "山西", "812"},    {"31", "四川", "6692"},   {"32", "陕西", "8205"},
    {"33", "河南", "4371"},   {"34", "山东", "3996"},   {"35", "湖南", "5161"},
    {"36", "湖北", "4811"},   {"37", "江西", "3636"},   {"38", "江苏", "2493"},
    {"39", "浙江", "2809"},   {"40", "安徽", "3072"},   {"41", "福建", "3372"},
    {"42", "广西", "5886"},   {"43", "贵州", "7230"},   {"44", "香港", "9337"},
    {"45", "澳门", "9436"},   {"46", "海南", "6245"},   {"47", "台湾", "9442"},
    {"48", "云南", "7527"},   {"49", "内蒙古", "1167"}, {"50", "青海", "8782"},
    {"51", "宁夏", "8907"},   {"52", "新疆", "9001"},   {"53", "西藏", "7915"},
    {"54", "黑龙江", "1967"},
};

// The only region whose Google address ends in a blank.
constexpr std::string_view kRegionWithTrailingBlank = "53";

Text Address(std::string_view host, std::string_view pathAndQuery) {
  Text address;
  address.reserve(7 + host.size() + pathAndQuery.size());
  address += "http://";
  address += host;
  address += pathAndQuery;
  return address;
}

NewsSource TopicSource(const TopicRow& row) {
  NewsSource source;
  source.title = Gbk(row.name);
  source.slots[0] = Address(kBaiduNews, row.slot1);
  source.slots[1] = Address(row.slot2Host, row.slot2);
  source.slots[2] = Address(row.slot3Host, row.slot3);
  source.slots[3] = Address(kYoudaoNews, "/top?ct=" + Text(row.ct) + "&doctype=rss");
  source.slots[4] =
      Address(kSosoNewsInformation,
              "/news?ty=cls&ofmt=xml&src=-11&kd=" + Text(row.kd) + "&w=" + Text(row.w));
  source.slots[5] = Address(kSinaFeed, row.slot6);
  return source;
}

NewsSource RegionSource(const RegionRow& row) {
  NewsSource source;
  source.title = Gbk(row.name);
  const Text& name = source.title;
  source.slots[0] = Address(
      kBaiduNews, "/n?cmd=7&loc=" + Text(row.loc) + "&name=" + PercentEscaped(name) + "&tn=rss");
  source.slots[1] = Address(kGoogleNewsChina, "/news?q=" + name + "&output=rss&ie=UTF-8");
  if (row.number == kRegionWithTrailingBlank) source.slots[1] += ' ';
  source.slots[2] = Address(kBaiduNews, "/ns?word=" + PercentEscaped(name, HexCase::kLower) +
                                            "&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class=");
  return source;
}

struct NumberedSource {
  std::string_view number;
  NewsSource source;
};

// Topics first, then regions: the order in which numbers are compared.
const std::vector<NumberedSource>& Table() {
  static const std::vector<NumberedSource> table = [] {
    std::vector<NumberedSource> rows;
    rows.reserve(std::size(kTopics) + std::size(kRegions));
    for (const auto& row : kTopics) rows.push_back({row.number, TopicSource(row)});
    for (const auto& row : kRegions) rows.push_back({row.number, RegionSource(row)});
    return rows;
  }();
  return table;
}

}  // namespace

NewsSource LookUpNewsSource(const Text& number) {
  for (const auto& row : Table())
    if (row.number == number) return row.source;
  NewsSource unknown;
  unknown.title = number;
  return unknown;
}

NewsSource LookUpNewsSource(const Text& number, const SourceOverrides& overrides) {
  NewsSource source = LookUpNewsSource(number);
  if (const auto row = overrides.rows.find(number); row != overrides.rows.end())
    source.slots = row->second;
  return source;
}

const TextArray& NewsSourceNumbers() {
  static const TextArray numbers = [] {
    TextArray all;
    for (const auto& row : Table()) all.emplace_back(row.number);
    return all;
  }();
  return numbers;
}

}  // namespace orvanta
