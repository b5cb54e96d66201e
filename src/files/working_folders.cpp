#include "files/working_folders.h"

#include <sys/stat.h>

#include "files/stale_temporaries.h"

namespace orvanta {

void PrepareWorkingFolders() {
  for (const char* folder : {"sc", "temp"}) {
    ::mkdir(folder, 0755);
    RemoveStaleTemporaries(folder);
  }
}

}  // namespace orvanta
