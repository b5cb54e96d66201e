#include "support/ui_test_watchdog.h"

#include <gtk/gtk.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace orvanta::testing {
namespace {

// What the window thread is asked to rescue: the test by name and its number, so that a late
// rescue of a test that has since ended touches nothing.
struct RescueCall {
  UiTestWatchdog* watchdog;
  std::string test;
  int number;
};

// Closes the menus that are up; a menu's own loop ends with it.
int CloseMenus() {
  int closed = 0;
  for (int depth = 0; depth < 8 && GTK_IS_MENU_SHELL(gtk_grab_get_current()); ++depth, ++closed)
    gtk_menu_shell_cancel(GTK_MENU_SHELL(gtk_grab_get_current()));
  GList* windows = gtk_window_list_toplevels();
  for (GList* window = windows; window != nullptr; window = window->next) {
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(window->data));
    if (GTK_IS_MENU(child) && gtk_widget_get_visible(child)) {
      gtk_menu_shell_cancel(GTK_MENU_SHELL(child));
      ++closed;
    }
  }
  g_list_free(windows);
  return closed;
}

// Ends the modal loops of the program's dialogs and of the toolkit's own (file choosers,
// message dialogs); returns their titles.
std::string EndModalLoops() {
  std::string ended;
  for (wxWindow* window : wxTopLevelWindows)
    if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal()) {
      ended += " \"" + dialog->GetTitle().utf8_string() + "\"";
      dialog->EndModal(wxID_CANCEL);
    }
  GList* windows = gtk_window_list_toplevels();
  for (GList* window = windows; window != nullptr; window = window->next)
    if (GTK_IS_DIALOG(window->data) && gtk_widget_get_visible(GTK_WIDGET(window->data))) {
      const char* title = gtk_window_get_title(GTK_WINDOW(window->data));
      ended += " \"" + std::string(title ? title : "") + "\"";
      gtk_dialog_response(GTK_DIALOG(window->data), GTK_RESPONSE_CANCEL);
    }
  g_list_free(windows);
  return ended;
}

}  // namespace

UiTestWatchdog::UiTestWatchdog(std::chrono::seconds limit)
    : limit_(limit), thread_([this] { Watch(); }) {}

UiTestWatchdog::~UiTestWatchdog() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void UiTestWatchdog::OnTestStart(const ::testing::TestInfo& test) {
  std::lock_guard<std::mutex> lock(mutex_);
  running_ = std::string(test.test_suite_name()) + "." + test.name();
  ++runningNumber_;
  started_ = std::chrono::steady_clock::now();
  changed_.notify_all();
}

void UiTestWatchdog::OnTestEnd(const ::testing::TestInfo&) {
  std::lock_guard<std::mutex> lock(mutex_);
  running_.clear();
  changed_.notify_all();
}

void UiTestWatchdog::Watch() {
  // A test that a rescue did not free within this time blocks outside any loop of the toolkit.
  const auto grace = limit_ + std::chrono::seconds(20);
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    if (running_.empty()) {
      changed_.wait(lock);
      continue;
    }
    const int number = runningNumber_;
    const auto started = started_;
    if (changed_.wait_until(lock, started + limit_, [&] {
          return stopping_ || runningNumber_ != number || running_.empty();
        }))
      continue;
    std::fprintf(stderr, "watchdog: %s ran past %lld s; closing its menus and modal loops\n",
                 running_.c_str(), static_cast<long long>(limit_.count()));
    std::fflush(stderr);
    // Asked again every few seconds: a test may open the next menu once one is closed.
    for (auto next = std::chrono::steady_clock::now();; next += std::chrono::seconds(3)) {
      if (next >= started + grace) {
        std::fprintf(stderr, "watchdog: %s still blocks; ending the run\n", running_.c_str());
        std::fflush(stderr);
        ::_exit(1);
      }
      g_idle_add(reinterpret_cast<GSourceFunc>(&UiTestWatchdog::Rescue),
                 new RescueCall{this, running_, number});
      if (changed_.wait_until(lock, next + std::chrono::seconds(3), [&] {
            return stopping_ || runningNumber_ != number || running_.empty();
          }))
        break;
    }
  }
}

int UiTestWatchdog::Rescue(void* data) {
  std::unique_ptr<RescueCall> call(static_cast<RescueCall*>(data));
  {
    std::lock_guard<std::mutex> lock(call->watchdog->mutex_);
    if (call->watchdog->runningNumber_ != call->number || call->watchdog->running_.empty())
      return G_SOURCE_REMOVE;
  }
  const int menus = CloseMenus();
  const std::string loops = EndModalLoops();
  ADD_FAILURE() << "watchdog: " << call->test << " ran past " << call->watchdog->limit_.count()
                << " s; closed " << menus
                << " menus and the modal loops of:" << (loops.empty() ? " none" : loops);
  return G_SOURCE_REMOVE;
}

}  // namespace orvanta::testing
