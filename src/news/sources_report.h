// Telling the user, once a run, what in the sources file was not used.
#pragma once

#include <atomic>
#include <optional>

#include "text/text.h"

namespace orvanta {

// A box can only show so much; the rest is counted.
inline constexpr std::size_t kReportedProblemsLimit = 20;

// The GBK text of a message box about the problems of a sources file; nothing when none.
std::optional<Text> SourcesReport(const TextArray& problems);

// Lets the first report through and holds back every later one.
class ReportLatch {
 public:
  std::optional<Text> Pass(std::optional<Text> report);

 private:
  std::atomic<bool> reported_{false};
};

// The one latch of the process: every job of a run reads the file, one of them reports.
ReportLatch& ProcessReportLatch();

}  // namespace orvanta
