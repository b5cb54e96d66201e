// The one road from a job thread back to the window thread, and the program's message boxes.
#pragma once

#include <functional>
#include <memory>

#include <wx/string.h>

#include "text/text.h"

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

// Message boxes with no owner window. Captions: "Orvanta " (one trailing blank) for those
// that go through the application, "Orvanta" for a window's own.
void ShowAppMessageBox(const Text& text);
void ShowWindowMessageBox(const Text& text);
// Caption "Error" with the stop icon.
void ShowErrorMessageBox(const Text& text);
// Yes/No question with the window caption; true for Yes.
bool AskWindowQuestion(const Text& text);

// Tests answer boxes themselves instead of blocking on a modal one.
struct MessageBoxPresenter {
  std::function<void(const wxString& text, const wxString& caption)> show;
  std::function<bool(const wxString& text, const wxString& caption)> ask;
};
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

// A code-page-936 text for a widget.
wxString FromLocal(const Text& text);
// A widget's text in code page 936.
Text ToLocalText(const wxString& text);

}  // namespace orvanta
