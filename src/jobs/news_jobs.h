// The bodies of the keyword and topic page jobs, without their thread.
#pragma once

#include <array>
#include <optional>

#include "pages/build_news_pages.h"
#include "text/text.h"

namespace orvanta {

inline constexpr int kKeywordNewsJob = 111;
inline constexpr int kTopicNewsJob = 222;

// "temp/~astq" + job number + "6529"; the renderer appends the page number.
Text NewsPageBaseName(int jobNumber);

// The five keyword feeds, sources 1 to 5 in order: Baidu, Youdao, Jike (UTF-8 as a whole),
// Soso, Google News. The keyword goes in unchanged, not percent-escaped.
std::array<Text, 5> KeywordNewsSources(const Text& keyword);

struct NewsJobResult {
  Text firstPage;                // relative file name the page navigates to afterwards
  std::optional<Text> message;   // the download error to show first, when there is one
};

// Looks the topic or region number up and builds its pages under baseName.
NewsBuildResult ResolveNewsSource(const Text& number, const Text& baseName,
                                  const FeedProgressSink& progress = {});

// Both write their pages relative to the current directory; progress hears of the feeds
// while they are read.
NewsJobResult RunKeywordNewsJob(const Text& keyword, const FeedProgressSink& progress = {});
NewsJobResult RunTopicNewsJob(const Text& number, const FeedProgressSink& progress = {});

}  // namespace orvanta
