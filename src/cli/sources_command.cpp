#include <iostream>
#include <set>
#include <string>

#include "cli/cli_command.h"
#include "cli/print_sources_report.h"
#include "jobs/news_jobs.h"
#include "net/download.h"
#include "news/feed_check.h"
#include "news/news_source_table.h"
#include "news/sources_in_effect.h"
#include "text/code_page.h"

namespace orvanta::cli {
namespace {

constexpr std::string_view kCheck = "--check";
// Keyword feeds are checked with a word that always has news.
constexpr std::string_view kCheckKeyword = "新闻";

Text Utf8(Text text) {
  LocalToUtf8(text);
  return text;
}

Text EncodingName(const SourceOverrides& overrides) {
  if (!overrides.keyword) return "built-in";  // the keyword goes in as it is; no file can say so
  return overrides.keyword->encoding == KeywordEncoding::kGbk ? "gbk" : "utf8";
}

std::array<Text, 5> KeywordTemplatesInEffect(const SourceOverrides& overrides) {
  if (overrides.keyword) return overrides.keyword->addresses;
  // The built-in feeds with the placeholder where the keyword goes.
  return KeywordNewsSources(Text(kKeywordPlaceholder));
}

// In the sources file's own format, so that a line can be copied into it.
void PrintTable(std::ostream& out, const SourceOverrides& overrides) {
  for (const Text& number : NewsSourceNumbers()) {
    Text line = number;
    for (const Text& address : LookUpNewsSource(number, overrides).slots) line += "\t" + address;
    out << Utf8(line) << "\n";
  }
  Text keyword = "keyword";
  for (const Text& address : KeywordTemplatesInEffect(overrides)) keyword += "\t" + address;
  out << Utf8(keyword) << "\t" << EncodingName(overrides) << "\n";
}

// Every address that a job could fetch, each once, in table order.
TextArray DistinctAddresses(const SourceOverrides& overrides) {
  TextArray addresses;
  std::set<Text> seen;
  const auto add = [&](const Text& address) {
    if (!address.empty() && seen.insert(address).second) addresses.push_back(address);
  };
  for (const Text& number : NewsSourceNumbers())
    for (const Text& address : LookUpNewsSource(number, overrides).slots) add(address);
  for (const Text& address : KeywordNewsSources(Gbk(kCheckKeyword), overrides)) add(address);
  return addresses;
}

int CheckTable(std::ostream& out, const SourceOverrides& overrides) {
  const auto checks = CheckFeeds(DistinctAddresses(overrides), [](int done, int total) {
    std::cerr << "\rchecked " << done << " of " << total << " feeds" << std::flush;
  });
  std::cerr << "\n";
  bool allGaveItems = true;
  for (const FeedCheck& check : checks) {
    if (check.items)
      out << "ok " << *check.items;
    else
      out << "failed";
    // As requested: a keyword address may hold UTF-8 bytes that no GBK reading shows right.
    out << "\t" << PrepareAddress(check.address) << "\n";
    allGaveItems = allGaveItems && check.items.value_or(0) > 0;
  }
  return allGaveItems ? kSuccess : 1;
}

// sources [--check]: the feed table in effect, the built-in one with the user's sources file
// laid over it, in UTF-8; --check fetches every distinct address and says which give items.
int RunSources(CommandContext& context) {
  const bool check = context.arguments.size() == 1 && context.arguments[0] == kCheck;
  if (!context.arguments.empty() && !check) return kUsageError;
  const SourcesInEffect inEffect = ReadSourcesInEffect();
  PrintSourcesReport(inEffect.report);
  if (check) return CheckTable(context.out, inEffect.overrides);
  PrintTable(context.out, inEffect.overrides);
  return kSuccess;
}

const CommandRegistrar kSources{{"sources", "[--check]", RunSources}};

}  // namespace
}  // namespace orvanta::cli
