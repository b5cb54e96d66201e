// The one road from a job thread back to the window thread.
#pragma once

#include <functional>
#include <memory>

namespace orvanta {

// The application opens the road once its event loop can take calls and closes it before it
// goes away; calls posted while it is closed are dropped instead of reaching a dead app.
void OpenWindowThread();
void CloseWindowThread();

// Runs call on the window thread; safe from any thread.
void PostToWindowThread(std::function<void()> call);

// Runs work on a detached thread; the call it returns runs on the window thread, and only if
// the owner behind alive still exists by then.
void StartDetachedJob(std::weak_ptr<void> alive, std::function<std::function<void()>()> work);

}  // namespace orvanta
