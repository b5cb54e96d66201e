#include <ostream>

#include "cli/cli_command.h"
#include "news/parse_feed.h"

namespace orvanta::cli {
namespace {

// Every field is followed by one NUL byte, which no text of the system holds.
int RunParse(CommandContext& context) {
  if (!context.arguments.empty()) return kUsageError;
  NewsItemStore store;
  ParseFeed(store, ReadAll(context.in));
  for (std::size_t k = 0; k < store.titles.size(); ++k) {
    for (const Text* field :
         {&store.titles[k], &store.links[k], &store.dates[k], &store.descriptions[k]}) {
      context.out << *field;
      context.out.put('\0');
    }
  }
  return kSuccess;
}

const CommandRegistrar kParse{{"parse", "< FEED", RunParse}};

}  // namespace
}  // namespace orvanta::cli
