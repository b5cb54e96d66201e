// The working folder's "sc" and "temp", where the program writes every page and list.
#pragma once

namespace orvanta {

// Makes both when they are missing (already there is fine; a folder that cannot be made
// shows later as a file that cannot be written) and removes what a killed earlier run left
// half-written in them. The window calls it at start-up, orvanta-cli before a job writes.
void PrepareWorkingFolders();

}  // namespace orvanta
