// The bodies of the keyword and topic page jobs, without their thread.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "jobs/page_job_kind.h"
#include "news/source_overrides.h"
#include "pages/build_news_pages.h"
#include "text/text.h"

namespace orvanta {

// "temp/~astq" + job number + "6529"; the renderer appends the page number.
Text NewsPageBaseName(int jobNumber);

// The five keyword feeds, sources 1 to 5 in order: Baidu, Youdao, Jike (UTF-8 as a whole),
// Soso, Google News. The keyword goes in unchanged, not percent-escaped.
std::array<Text, 5> KeywordNewsSources(const Text& keyword);
// The same from the keyword line of the user's sources file when there is one: the keyword,
// percent-escaped in the line's encoding, stands for every "{keyword}".
std::array<Text, 5> KeywordNewsSources(const Text& keyword, const SourceOverrides& overrides);

struct NewsJobResult {
  Text firstPage;               // relative name of the first page written; empty when none was
  std::optional<Text> message;  // the download error or the write failure to show
  std::optional<Text> sourcesReport;  // what the sources file got wrong, shown before all else
  bool writeFailed = false;           // a page could not be written
};

// Looks the topic or region number up and builds its pages under baseName.
NewsBuildResult ResolveNewsSource(const Text& number, const Text& baseName,
                                  const SourceOverrides& overrides = {},
                                  const FeedProgressSink& progress = {});

// Both read the user's sources file afresh and write their pages relative to the current
// directory; progress hears of the feeds while they are read.
// The keyword job tells feedsChosen, on its own thread, the five feeds it is about to read.
using FeedsChosenSink = std::function<void(const std::array<Text, 5>& feeds)>;
NewsJobResult RunKeywordNewsJob(const Text& keyword, const FeedProgressSink& progress = {},
                                const FeedsChosenSink& feedsChosen = {});
NewsJobResult RunTopicNewsJob(const Text& number, const FeedProgressSink& progress = {});

}  // namespace orvanta
