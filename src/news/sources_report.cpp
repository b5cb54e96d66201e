#include "news/sources_report.h"

#include <algorithm>
#include <string>

#include "text/code_page.h"

namespace orvanta {

std::optional<Text> SourcesReport(const TextArray& problems) {
  if (problems.empty()) return std::nullopt;
  Text report = Gbk("新闻源文件有误，出错之处未被采用，那些新闻源仍用内置的：");
  const std::size_t shown = std::min(problems.size(), kReportedProblemsLimit);
  for (std::size_t k = 0; k < shown; ++k) report += "\n" + problems[k];
  if (problems.size() > shown)
    report += "\n" + Gbk("……另有") + std::to_string(problems.size() - shown) + Gbk("处错误");
  return report;
}

std::optional<Text> ReportLatch::Pass(std::optional<Text> report) {
  if (!report || reported_.exchange(true)) return std::nullopt;
  return report;
}

ReportLatch& ProcessReportLatch() {
  static ReportLatch latch;
  return latch;
}

}  // namespace orvanta
