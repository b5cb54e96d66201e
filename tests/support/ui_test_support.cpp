#include "support/ui_test_support.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

#include "browser/browser_page_dlg.h"
#include "gui/message_box_ui.h"
#include "shell/browser_window_dlg.h"
#include "shell/navigator_dlg.h"
#include "text/code_page.h"

namespace orvanta::testing {

CNavigatorDlg* OpenMainWindow() {
  auto* window = new CNavigatorDlg();
  window->Show();
  if (WaitFor([&] { return ShowsFile(window->HomePage(), "/sc/jz1"); })) return window;
  window->Destroy();
  return nullptr;
}

std::vector<CBrowserWindowDlg*> SecondaryWindows() {
  std::vector<CBrowserWindowDlg*> windows;
  for (wxWindow* window : wxTopLevelWindows)
    if (auto* secondary = dynamic_cast<CBrowserWindowDlg*>(window))
      if (!secondary->IsBeingDeleted() && secondary->IsShown()) windows.push_back(secondary);
  return windows;
}

bool ShowsFile(CBrowserPageDlg& page, const std::string& tail) {
  const Text& url = page.Browser().LoadedURL();
  return url.size() > tail.size() && url.compare(url.size() - tail.size(), tail.size(), tail) == 0;
}

void SaveScreenshot(const wxWindow& window, const std::string& path) {
  WaitFor([] { return false; }, 300);
  const wxRect rect = window.GetScreenRect();
  const std::string command = "import -window root -crop " + std::to_string(rect.width) + "x" +
                              std::to_string(rect.height) + "+" + std::to_string(rect.x) + "+" +
                              std::to_string(rect.y) + " '" + path + "' 2>/dev/null";
  (void)std::system(command.c_str());
}

void Press(wxWindow* parent, int id) {
  wxWindow* button = parent->FindWindow(id);
  ASSERT_NE(button, nullptr);
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

bool WaitFor(const std::function<bool()>& done, int boundMs) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(boundMs);
  wxEventLoopBase* active = wxEventLoopBase::GetActive();
  wxGUIEventLoop own;
  wxEventLoopActivator activator(active ? active : &own);
  wxEventLoopBase* loop = active ? active : &own;
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    // Wakes for any event, including a job's call from its thread.
    loop->DispatchTimeout(50);
    if (wxTheApp) {
      wxTheApp->ProcessPendingEvents();
      wxTheApp->ProcessIdle();
    }
  }
  return true;
}

void DeliverInput() {
  gdk_display_sync(gdk_display_get_default());
  // Bounded: a page that animates keeps the queue busy for ever.
  for (int round = 0; round < 1000 && g_main_context_iteration(nullptr, FALSE); ++round) {}
  if (wxTheApp) wxTheApp->ProcessPendingEvents();
}

void WaitForDestroyedWindows() {
  WaitFor(
      [] {
        for (wxWindow* window : wxTopLevelWindows)
          if (wxTheApp->IsScheduledForDestruction(window)) return false;
        return true;
      },
      5000);
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace {

// The desktop's file dialog that is up, if one is, as the toolkit shows it.
GtkFileChooser* ShownFileChooser() {
  GtkFileChooser* shown = nullptr;
  GList* windows = gtk_window_list_toplevels();
  for (GList* window = windows; window != nullptr; window = window->next)
    if (GTK_IS_FILE_CHOOSER_DIALOG(window->data) &&
        gtk_widget_get_visible(GTK_WIDGET(window->data)))
      shown = GTK_FILE_CHOOSER(window->data);
  g_list_free(windows);
  return shown;
}

}  // namespace

FileDialogAnswer::FileDialogAnswer(std::string folder, std::string name)
    : folder_(std::move(folder)), name_(std::move(name)) {
  timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnTick(); });
  timer_.Start(100);
}

void FileDialogAnswer::OnTick() {
  GtkFileChooser* chooser = ShownFileChooser();
  if (chooser == nullptr) return;
  if (chooser != chooser_) {
    chooser_ = chooser;
    gchar* name = gtk_file_chooser_get_current_name(chooser);
    proposed_ = name != nullptr ? name : "";
    g_free(name);
    gtk_file_chooser_set_current_folder(chooser, folder_.c_str());
    return;
  }
  gchar* folder = gtk_file_chooser_get_current_folder(chooser);
  const bool inFolder = folder != nullptr && folder_ == folder;
  g_free(folder);
  if (!inFolder) return;
  timer_.Stop();
  gtk_file_chooser_set_current_name(chooser, name_.c_str());
  gtk_dialog_response(GTK_DIALOG(chooser), GTK_RESPONSE_ACCEPT);  // Save
}

MenuChooser::MenuChooser(int downs) : downs_(downs) {
  // Keys sent before the menu holds the keyboard would go to the window under it.
  timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (!GTK_IS_MENU(gtk_grab_get_current())) return;
    timer_.Stop();
    wxUIActionSimulator keys;
    for (int i = 0; i < downs_; ++i) keys.Char(WXK_DOWN);
    keys.Char(WXK_RETURN);
    chosen_ = true;
  });
  timer_.Start(100);
}

ScratchFolder::ScratchFolder() {
  char buffer[4096];
  previous_ = ::getcwd(buffer, sizeof buffer) ? buffer : "/tmp";
  char name[] = "/tmp/orvanta-ui-XXXXXX";
  path_ = ::mkdtemp(name) ? name : "/tmp";
  if (::chdir(path_.c_str()) != 0) path_.clear();
  // The folders the main window makes at start-up, which every page writer relies on.
  ::mkdir("sc", 0755);
  ::mkdir("temp", 0755);
}

ScratchFolder::~ScratchFolder() {
  if (::chdir(previous_.c_str()) != 0) return;
  std::string command = "rm -rf '" + path_ + "'";
  if (path_.rfind("/tmp/orvanta-ui-", 0) == 0) (void)std::system(command.c_str());
}

MessageRecorder::MessageRecorder(bool answer) {
  MessageBoxPresenter presenter;
  presenter.show = [this](const wxString& text, const wxString& caption) {
    shown_.push_back({text, caption});
  };
  presenter.ask = [this, answer](const wxString&, const wxString&) {
    ++asked_;
    return answer;
  };
  SetMessageBoxPresenter(presenter);
}

MessageRecorder::~MessageRecorder() { FailOnMessageBoxes(); }

void FailOnMessageBoxes() {
  MessageBoxPresenter presenter;
  presenter.show = [](const wxString& text, const wxString& caption) {
    ADD_FAILURE() << "unexpected message box \"" << caption.utf8_str() << "\": " << text.utf8_str();
  };
  presenter.ask = [](const wxString& text, const wxString&) {
    ADD_FAILURE() << "unexpected question: " << text.utf8_str();
    return false;
  };
  SetMessageBoxPresenter(presenter);
}

Text WriteLocalPage(const std::string& relativeName, const std::string& bodyUtf8,
                    const std::string& titleUtf8) {
  const Text page =
      Gbk("<html><head><meta http-equiv='Content-Type' content='text/html; charset=gb2312'>"
          "<title>" +
          titleUtf8 + "</title></head><body style='margin:0'>" + bodyUtf8 + "</body></html>");
  std::ofstream(relativeName, std::ios::binary) << page;
  char buffer[4096];
  return Text(::getcwd(buffer, sizeof buffer) ? buffer : ".") + "/" + relativeName;
}

void MovePointer(wxWindow* window, int x, int y) {
  wxUIActionSimulator simulator;
  // A small step first, so that the page sees the pointer arrive and not only rest.
  const wxPoint target = window->ClientToScreen(wxPoint(x, y));
  simulator.MouseMove(target.x - 3, target.y - 3);
  DeliverInput();
  simulator.MouseMove(target);
  DeliverInput();
}

wxString PageScript(CBrowserPageDlg& page, const std::string& script) {
  wxString result;
  page.Browser().GetWebView()->RunScript(wxString::FromUTF8(script), &result);
  return result;
}

wxRect PageElementRect(CBrowserPageDlg& page, const std::string& element) {
  const wxString place =
      PageScript(page, "(function(){var e=" + element +
                           ";if(!e)return '';var r=e.getBoundingClientRect();"
                           "return [Math.round(r.left),Math.round(r.top),Math.round(r.width),"
                           "Math.round(r.height)].join(',');})()");
  long x = 0, y = 0, width = 0, height = 0;
  const wxArrayString parts = wxSplit(place, ',');
  if (parts.size() != 4 || !parts[0].ToLong(&x) || !parts[1].ToLong(&y) ||
      !parts[2].ToLong(&width) || !parts[3].ToLong(&height))
    return wxRect();
  return wxRect(x, y, width, height);
}

void PointAtPageElement(CBrowserPageDlg& page, const std::string& element) {
  const wxRect place = PageElementRect(page, element);
  ASSERT_FALSE(place.IsEmpty()) << "no element " << element;
  MovePointer(page.Browser().GetWindow(), place.x + place.width / 2, place.y + place.height / 2);
}

std::string LinkNamed(const char* text) {
  return "Array.from(document.links).find(function(a){return a.textContent=='" + std::string(text) +
         "';})";
}

void ClickPageElement(CBrowserPageDlg& page, const std::string& element) {
  const wxRect place = PageElementRect(page, element);
  ASSERT_FALSE(place.IsEmpty()) << "no element " << element;
  ClickPointer(page.Browser().GetWindow(), place.x + place.width / 2, place.y + place.height / 2);
}

void ClickWindow(wxWindow* window) {
  const wxSize size = window->GetSize();
  ClickPointer(window, size.x / 2, size.y / 2);
}

void TypeText(const char* text) {
  wxUIActionSimulator().Text(text);
  WaitFor([] { return false; }, 50);
}

void PressKey(int key, int modifiers) {
  wxUIActionSimulator().Char(key, modifiers);
  WaitFor([] { return false; }, 50);
}

void ClickPointer(wxWindow* window, int x, int y) {
  MovePointer(window, x, y);
  wxUIActionSimulator().MouseClick();
  DeliverInput();
}

}  // namespace orvanta::testing
