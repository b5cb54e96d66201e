#include "news/sources_in_effect.h"

#include "news/sources_file.h"

namespace orvanta {

SourcesInEffect ReadSourcesInEffect(ReportLatch& latch) {
  SourcesFile file = ReadSourcesFile(SourcesFilePath());
  return SourcesInEffect{std::move(file.overrides), latch.Pass(SourcesReport(file.problems))};
}

}  // namespace orvanta
