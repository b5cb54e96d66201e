#include <sys/stat.h>

#include "cli/cli_command.h"
#include "jobs/media_list_job.h"

namespace orvanta::cli {
namespace {

int RunMediaList(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  const Text& kind = context.arguments[0];
  Text listFile;
  if (kind == "video")
    listFile = Text(kVideoListFile);
  else if (kind == "image")
    listFile = Text(kImageListFile);
  else if (kind == "music")
    listFile = Text(kMusicListFile);
  else
    return kUsageError;
  ::mkdir("sc", 0755);  // already there is fine; a failure shows as no list file
  // The message box of the window becomes a line of output; it only ever tells of a failure.
  bool failed = false;
  RunMediaListJob(listFile, [&](const Text& message) {
    context.Tell(message);
    failed = true;
  });
  return failed ? kFailure : kSuccess;
}

const CommandRegistrar kMediaList{{"media-list", "video|image|music", RunMediaList}};

}  // namespace
}  // namespace orvanta::cli
