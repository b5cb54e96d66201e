#include "cli/cli_command.h"
#include "files/working_folders.h"
#include "jobs/media_list_job.h"
#include "pages/media_kinds.h"

namespace orvanta::cli {
namespace {

int RunMediaList(CommandContext& context) {
  if (context.arguments.size() != 1) return kUsageError;
  const MediaKindRow* kind = MediaKindNamed(context.arguments[0]);
  if (!kind) return kUsageError;
  const Text listFile(kind->listFile);
  PrepareWorkingFolders();
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
