#include <filesystem>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/print_sources_report.h"
#include "jobs/news_jobs.h"

namespace orvanta::cli {
namespace {

// topic NUMBER: the topic or region pages "temp/~astq2226529" + n in the current directory.
int RunTopic(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  std::error_code ignored;
  std::filesystem::create_directory("temp", ignored);
  const NewsJobResult result = RunTopicNewsJob(context.arguments[0]);
  PrintSourcesReport(result.sourcesReport);
  if (result.message) context.out << *result.message << "\n";
  return result.writeFailed ? 1 : kSuccess;
}

const CommandRegistrar kTopic{{"topic", "NUMBER", RunTopic}};

}  // namespace
}  // namespace orvanta::cli
