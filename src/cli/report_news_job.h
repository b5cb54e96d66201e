// How orvanta-cli ends a news job: what went wrong, and whether any page came of it.
#pragma once

#include "cli/cli_command.h"
#include "cli/print_sources_report.h"
#include "jobs/news_jobs.h"

namespace orvanta::cli {

inline int ReportNewsJob(const CommandContext& context, const NewsJobResult& result) {
  PrintSourcesReport(result.sourcesReport);
  if (result.message) context.Tell(*result.message);
  return result.firstPage.empty() || result.writeFailed ? kFailure : kSuccess;
}

}  // namespace orvanta::cli
