#include "jobs/media_list_job.h"

#include <utility>

#include "net/service_hosts.h"

namespace orvanta {
namespace {

Text HomePage(std::string_view host, std::string_view path) {
  return "http://" + Text(host) + Text(path);
}

}  // namespace

MediaListSources ChooseMediaListSources(const Text& listFile) {
  MediaListSources sources;
  if (ContainsBeyondStart(listFile, "3339681")) {
    sources.source1 = HomePage(hosts::kYouku, "");
    sources.source2 = HomePage(hosts::kIqiyi, "/");
    sources.source3 = HomePage(hosts::kTudou, "/");
  } else if (ContainsBeyondStart(listFile, "3339682")) {
    sources.source1 = HomePage(hosts::kYahooChinaImage, "/");
    sources.source2 = HomePage(hosts::kBaiduImage, "/");
    sources.source3 = HomePage(hosts::kSosoImage, "/");
  } else {
    sources.source1 = HomePage(hosts::kSosoMusic, "/index.html");
    sources.source2 = HomePage(hosts::kBaiduMp3, "/");
    sources.source3 = HomePage(hosts::kSogouMp3, "/");
  }
  return sources;
}

void RunMediaListJob(const Text& listFile, const MediaListSources& sources,
                     CMediaListBuilder::MessageSink showMessage) {
  CMediaListBuilder builder(std::move(showMessage));
  builder.BuildMediaListPage(sources.source1, sources.source2, sources.source3, sources.source4,
                             sources.source5, Text(), listFile, listFile);
}

void RunMediaListJob(const Text& listFile, CMediaListBuilder::MessageSink showMessage) {
  RunMediaListJob(listFile, ChooseMediaListSources(listFile), std::move(showMessage));
}

}  // namespace orvanta
