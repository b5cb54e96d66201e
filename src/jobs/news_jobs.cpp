#include "jobs/news_jobs.h"

#include <string>

#include "net/service_hosts.h"
#include "news/news_source_table.h"
#include "news/sources_in_effect.h"
#include "pages/build_news_pages.h"
#include "text/code_page.h"
#include "text/percent_escape.h"

namespace orvanta {
namespace {

Text Around(std::string_view host, std::string_view prefix, const Text& keyword,
            std::string_view suffix) {
  Text address;
  address.reserve(7 + host.size() + prefix.size() + keyword.size() + suffix.size());
  address += "http://";
  address += host;
  address += prefix;
  address += keyword;
  address += suffix;
  return address;
}

NewsJobResult Finish(const NewsBuildResult& build, const Text& baseName,
                     std::optional<Text> sourcesReport) {
  // A build that wrote nothing leaves nothing to show: never an older page of the same name.
  return NewsJobResult{build.pagesWritten > 0 ? baseName + "1" : Text(), build.message,
                       std::move(sourcesReport), build.writeFailed};
}

Text EscapedKeyword(const Text& keyword, KeywordEncoding encoding) {
  if (encoding == KeywordEncoding::kGbk) return PercentEscaped(keyword);
  Text utf8 = keyword;
  LocalToUtf8(utf8);
  return PercentEscaped(utf8);
}

}  // namespace

Text NewsPageBaseName(int jobNumber) { return "temp/~astq" + std::to_string(jobNumber) + "6529"; }

std::array<Text, 5> KeywordNewsSources(const Text& keyword) {
  std::array<Text, 5> sources;
  sources[0] = Around(hosts::kBaiduNewsSearch, "/ns?word=", keyword,
                      "&ie=gb2312&cl=2&rn=40&ct=0&tn=newsrss&class=");
  sources[1] = Around(hosts::kYoudaoNews, "/search?q=", keyword, "&doctype=rss");
  sources[2] = Around(hosts::kJikeNews, "/rss/query/", keyword, ".xml");
  LocalToUtf8(sources[2]);
  sources[3] = Around(hosts::kSosoFeed, "/rss?tag=1&src=-10&ofmt=xml&kd=n&full=1&w=", keyword, "");
  sources[4] =
      Around(hosts::kGoogleNews, "/news?pz=1&cf=all&ned=cn&hl=zh-CN&q=", keyword, "&output=rss");
  return sources;
}

std::array<Text, 5> KeywordNewsSources(const Text& keyword, const SourceOverrides& overrides) {
  if (!overrides.keyword) return KeywordNewsSources(keyword);
  const Text escaped = EscapedKeyword(keyword, overrides.keyword->encoding);
  std::array<Text, 5> sources;
  for (std::size_t slot = 0; slot < sources.size(); ++slot)
    sources[slot] = ReplaceAll(overrides.keyword->addresses[slot], kKeywordPlaceholder, escaped);
  return sources;
}

NewsBuildResult ResolveNewsSource(const Text& number, const Text& baseName,
                                  const SourceOverrides& overrides,
                                  const FeedProgressSink& progress) {
  const NewsSource source = LookUpNewsSource(number, overrides);
  return BuildNewsPages(source.slots, baseName, source.title, progress);
}

NewsJobResult RunKeywordNewsJob(const Text& keyword, const FeedProgressSink& progress,
                                const FeedsChosenSink& feedsChosen) {
  SourcesInEffect inEffect = ReadSourcesInEffect();
  const Text baseName = NewsPageBaseName(kKeywordNewsJob);
  const auto sources = KeywordNewsSources(keyword, inEffect.overrides);
  if (feedsChosen) feedsChosen(sources);
  const NewsFeedSlots slots{sources[0], sources[1], sources[2], sources[3], sources[4], Text()};
  return Finish(BuildNewsPages(slots, baseName, keyword, progress), baseName,
                std::move(inEffect.report));
}

NewsJobResult RunTopicNewsJob(const Text& number, const FeedProgressSink& progress) {
  SourcesInEffect inEffect = ReadSourcesInEffect();
  const Text baseName = NewsPageBaseName(kTopicNewsJob);
  return Finish(ResolveNewsSource(number, baseName, inEffect.overrides, progress), baseName,
                std::move(inEffect.report));
}

}  // namespace orvanta
