#include "cli/cli_command.h"
#include "cli/report_news_job.h"
#include "files/working_folders.h"

namespace orvanta::cli {
namespace {

// topic NUMBER: the topic or region pages "temp/~astq2226529" + n in the current directory.
int RunTopic(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  PrepareWorkingFolders();
  return ReportNewsJob(context, RunTopicNewsJob(context.arguments[0]));
}

const CommandRegistrar kTopic{{"topic", "NUMBER", RunTopic}};

}  // namespace
}  // namespace orvanta::cli
