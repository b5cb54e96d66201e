#include "cli/cli_command.h"
#include "pages/build_news_pages.h"

namespace orvanta::cli {
namespace {

// news BASE TITLE [ADDRESS1 ... ADDRESS6]: an absent or empty address is an empty slot.
int RunNews(CommandContext& context) {
  const TextArray& arguments = context.arguments;
  if (arguments.size() < 2 || arguments.size() > 8) return kUsageError;
  NewsFeedSlots slots;
  for (std::size_t slot = 0; slot + 2 < arguments.size(); ++slot) slots[slot] = arguments[slot + 2];
  const NewsBuildResult result = BuildNewsPages(slots, arguments[0], arguments[1]);
  if (result.message) context.Tell(*result.message);
  return result.pagesWritten > 0 && !result.writeFailed ? kSuccess : kFailure;
}

const CommandRegistrar kNews{{"news", "BASE TITLE [ADDRESS1 ... ADDRESS6]", RunNews}};

}  // namespace
}  // namespace orvanta::cli
