// The program's message boxes: its own captions and button labels, whatever the desktop's
// language.
#pragma once

#include <functional>

#include <wx/string.h>

#include "text/text.h"

namespace orvanta {

// Modal boxes with no owner window. Captions: "Orvanta " (one trailing blank) for those that
// go through the application, "Orvanta" for a window's own.
void ShowAppMessageBox(const Text& text);
void ShowWindowMessageBox(const Text& text);
// Caption "Error" with the stop icon.
void ShowErrorMessageBox(const Text& text);
// Yes/No question with the window caption; true for Yes.
bool AskWindowQuestion(const Text& text);

// The application's box for a page job: it waits for its OK without holding any window, so
// every window stays usable while it is up; closed runs on the window thread once it is gone.
void ShowJobMessageBox(const Text& text, std::function<void()> closed);

// Tests answer boxes themselves instead of blocking on a modal one.
struct MessageBoxPresenter {
  std::function<void(const wxString& text, const wxString& caption)> show;
  std::function<bool(const wxString& text, const wxString& caption)> ask;
};
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace orvanta
