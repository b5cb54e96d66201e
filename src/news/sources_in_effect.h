// The feeds that a job uses: the built-in table with the user's sources file laid over it.
#pragma once

#include <optional>

#include "news/source_overrides.h"
#include "news/sources_report.h"

namespace orvanta {

struct SourcesInEffect {
  SourceOverrides overrides;
  std::optional<Text> report;  // GBK, for the user; only the first troubled read of a run has one
};

// Reads the user's sources file afresh, so that an edit counts from the next job on.
SourcesInEffect ReadSourcesInEffect(ReportLatch& latch = ProcessReportLatch());

}  // namespace orvanta
