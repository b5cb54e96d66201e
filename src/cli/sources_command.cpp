#include <algorithm>
#include <chrono>
#include <iostream>
#include <optional>
#include <set>
#include <string>

#include "cli/cli_command.h"
#include "cli/print_sources_report.h"
#include "cli/whole_number.h"
#include "jobs/news_jobs.h"
#include "net/download.h"
#include "news/feed_check.h"
#include "news/news_source_table.h"
#include "news/sources_in_effect.h"
#include "text/code_page.h"

namespace orvanta::cli {
namespace {

constexpr std::string_view kCheck = "--check";
constexpr std::string_view kWithin = "--within";
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

// What the command was asked: the table, or a check within bound.
struct SourcesRequest {
  bool check = false;
  std::chrono::milliseconds bound = kFeedCheckBound;
};

// [--check [--within SECONDS]]
std::optional<SourcesRequest> ParseSourcesRequest(const TextArray& arguments) {
  SourcesRequest request;
  if (arguments.empty()) return request;
  if (arguments[0] != kCheck || arguments.size() == 2 || arguments.size() > 3) return std::nullopt;
  request.check = true;
  if (arguments.size() == 1) return request;
  const auto seconds = ParseWholeNumber<int>(arguments[2]);
  if (arguments[1] != kWithin || !seconds || *seconds <= 0) return std::nullopt;
  request.bound = std::chrono::seconds(*seconds);
  return request;
}

// A feed the bound cut off may well answer at another time: say why it shows as failed.
void TellOfCutShort(const std::vector<FeedCheck>& checks, std::chrono::milliseconds bound) {
  const auto cutShort = std::count_if(checks.begin(), checks.end(),
                                      [](const FeedCheck& check) { return check.cutShort; });
  if (cutShort == 0) return;
  std::cerr << cutShort << " feeds had not answered when the check's "
            << std::chrono::duration_cast<std::chrono::seconds>(bound).count()
            << " s were up: they show as failed\n";
}

int CheckTable(std::ostream& out, const SourceOverrides& overrides,
               std::chrono::milliseconds bound) {
  const auto checks = CheckFeeds(
      DistinctAddresses(overrides),
      [](int done, int total) {
        std::cerr << "\rchecked " << done << " of " << total << " feeds" << std::flush;
      },
      bound);
  std::cerr << "\n";
  TellOfCutShort(checks, bound);
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
  return allGaveItems ? kSuccess : kFailure;
}

// sources [--check [--within SECONDS]]: the feed table in effect, the built-in one with the
// user's sources file laid over it, in UTF-8; --check fetches every distinct address and says
// which give items, all within SECONDS (90 unless given).
int RunSources(CommandContext& context) {
  const std::optional<SourcesRequest> request = ParseSourcesRequest(context.arguments);
  if (!request) return kUsageError;
  const SourcesInEffect inEffect = ReadSourcesInEffect();
  PrintSourcesReport(inEffect.report);
  if (request->check) return CheckTable(context.out, inEffect.overrides, request->bound);
  PrintTable(context.out, inEffect.overrides);
  return kSuccess;
}

const CommandRegistrar kSources{{"sources", "[--check [--within SECONDS]]", RunSources}};

}  // namespace
}  // namespace orvanta::cli
