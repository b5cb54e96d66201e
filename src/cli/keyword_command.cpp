#include <filesystem>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/print_sources_report.h"
#include "jobs/news_jobs.h"

namespace orvanta::cli {
namespace {

// keyword KEYWORD: the keyword pages "temp/~astq1116529" + n in the current directory.
int RunKeyword(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  std::error_code ignored;
  std::filesystem::create_directory("temp", ignored);
  const NewsJobResult result = RunKeywordNewsJob(context.arguments[0]);
  PrintSourcesReport(result.sourcesReport);
  if (result.message) context.out << *result.message << "\n";
  return result.writeFailed ? 1 : kSuccess;
}

const CommandRegistrar kKeyword{{"keyword", "KEYWORD", RunKeyword}};

}  // namespace
}  // namespace orvanta::cli
