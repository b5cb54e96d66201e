#include "cli/cli_command.h"
#include "cli/report_news_job.h"
#include "files/working_folders.h"

namespace orvanta::cli {
namespace {

// keyword KEYWORD: the keyword pages "temp/~astq1116529" + n in the current directory.
int RunKeyword(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  PrepareWorkingFolders();
  return ReportNewsJob(context, RunKeywordNewsJob(context.arguments[0]));
}

const CommandRegistrar kKeyword{{"keyword", "KEYWORD", RunKeyword}};

}  // namespace
}  // namespace orvanta::cli
