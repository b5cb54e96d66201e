#include "gui/window_thread_ui.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include <mutex>
#include <thread>

#include "text/code_page.h"

namespace orvanta {
namespace {

std::mutex& RoadMutex() {
  static std::mutex mutex;
  return mutex;
}
bool g_roadOpen = false;

MessageBoxPresenter& Presenter() {
  static MessageBoxPresenter presenter;
  return presenter;
}

void Show(const Text& text, const char* caption, long icon = 0) {
  const wxString message = FromLocal(text);
  if (Presenter().show) {
    Presenter().show(message, caption);
    return;
  }
  wxMessageBox(message, caption, wxOK | icon, nullptr);
}

}  // namespace

void OpenWindowThread() {
  std::lock_guard<std::mutex> lock(RoadMutex());
  g_roadOpen = true;
}

void CloseWindowThread() {
  std::lock_guard<std::mutex> lock(RoadMutex());
  g_roadOpen = false;
}

void PostToWindowThread(std::function<void()> call) {
  // Held while posting, so the app cannot be torn down between the check and the call.
  std::lock_guard<std::mutex> lock(RoadMutex());
  if (!g_roadOpen || wxTheApp == nullptr) return;
  wxTheApp->CallAfter([call = std::move(call)] {
    try {
      call();
    } catch (...) {
      // An event handler must not let anything escape into the toolkit.
    }
  });
}

void StartDetachedJob(std::weak_ptr<void> alive, std::function<std::function<void()>()> work) {
  std::thread([alive = std::move(alive), work = std::move(work)] {
    std::function<void()> done;
    try {
      done = work();
    } catch (...) {
      return;  // nothing crosses the thread's edge
    }
    if (!done) return;
    PostToWindowThread([alive, done = std::move(done)] {
      if (!alive.expired()) done();
    });
  }).detach();
}

void ShowAppMessageBox(const Text& text) { Show(text, "Orvanta "); }
void ShowWindowMessageBox(const Text& text) { Show(text, "Orvanta"); }
void ShowErrorMessageBox(const Text& text) { Show(text, "Error", wxICON_ERROR); }

bool AskWindowQuestion(const Text& text) {
  const wxString message = FromLocal(text);
  if (Presenter().ask) return Presenter().ask(message, "Orvanta");
  return wxMessageBox(message, "Orvanta", wxYES_NO, nullptr) == wxYES;
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
  Presenter() = std::move(presenter);
}

wxString FromLocal(const Text& text) {
  Text utf8 = text;
  LocalToUtf8(utf8);
  return wxString::FromUTF8(utf8);
}

Text ToLocalText(const wxString& text) {
  Text local(text.utf8_str().data());
  Utf8ToLocal(local);
  return local;
}

}  // namespace orvanta
