// What the window tests share: bounded waits on real events, a scratch working folder, the
// message boxes the program asks for, and the pointer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/defs.h>
#include <wx/gdicmn.h>
#include <wx/string.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "text/text.h"

namespace orvanta {
class CBrowserPageDlg;
class CBrowserWindowDlg;
class CNavigatorDlg;
}  // namespace orvanta

namespace orvanta::testing {

// Runs the event loop until done() holds or the bound passes; false when it passed.
bool WaitFor(const std::function<bool()>& done, int boundMs = 20000);

// Lets the keys and pointer moves sent so far reach the windows: the display has answered a
// round trip, so they are in the queue, and the queue has been run empty.
void DeliverInput();

// Runs the loop until every window destroyed so far is deleted.
void WaitForDestroyedWindows();

// The whole of a file's bytes; empty when it cannot be read.
std::string ReadWhole(const std::string& path);

// A fresh folder, with the program's "sc" and "temp", that is the current directory while the
// object lives.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }

 private:
  std::string previous_;
  std::string path_;
};

struct ShownMessage {
  wxString text;
  wxString caption;
};

// Records every message box instead of showing it; questions get the given answer.
class MessageRecorder {
 public:
  explicit MessageRecorder(bool answer = false);
  ~MessageRecorder();
  const std::vector<ShownMessage>& shown() const { return shown_; }
  int asked() const { return asked_; }

 private:
  std::vector<ShownMessage> shown_;
  int asked_ = 0;
};

// A box that no test asked for fails the running test instead of waiting for a click.
void FailOnMessageBoxes();

// Writes a code-page-936 page into the current folder and returns its full name.
Text WriteLocalPage(const std::string& relativeName, const std::string& bodyUtf8,
                    const std::string& titleUtf8 = "t");

// Moves the real pointer over a point of window (client coordinates) and, when asked, clicks.
void MovePointer(wxWindow* window, int x, int y);
void ClickPointer(wxWindow* window, int x, int y);

// The place of a page element (a script expression such as "document.getElementById('sa')")
// in the view's client coordinates; an empty rectangle when there is no such element.
wxRect PageElementRect(CBrowserPageDlg& page, const std::string& element);
// The script expression of the page's first link whose text is text (UTF-8).
std::string LinkNamed(const char* text);
// Rests the pointer on the middle of the element, and clicks it, as a person does.
void PointAtPageElement(CBrowserPageDlg& page, const std::string& element);
void ClickPageElement(CBrowserPageDlg& page, const std::string& element);
// The result of a script run in the page, as text.
wxString PageScript(CBrowserPageDlg& page, const std::string& script);
// Clicks the middle of a window with the real pointer.
void ClickWindow(wxWindow* window);
// Types ASCII text, and presses one key, on the real keyboard into whatever has the focus.
void TypeText(const char* text);
void PressKey(int key, int modifiers = wxMOD_NONE);

// Answers the next file dialog that comes up: the name in folder, then Save. Save waits until
// the dialog shows that folder, as a person's would; the dialog changes folder on its own time.
class FileDialogAnswer {
 public:
  FileDialogAnswer(std::string folder, std::string name);
  // The name the dialog proposed before it was answered.
  const std::string& proposed() const { return proposed_; }

 private:
  void OnTick();

  std::string folder_;
  std::string name_;
  std::string proposed_;
  void* chooser_ = nullptr;
  wxTimer timer_;
};

// Presses keys into the next menu that pops up, once it holds the pointer and keyboard: downs
// times the down arrow, then Enter.
class MenuChooser {
 public:
  explicit MenuChooser(int downs);
  bool chosen() const { return chosen_; }

 private:
  int downs_;
  bool chosen_ = false;
  wxTimer timer_;
};

// A main window, shown, once its start page has loaded; nullptr when it never loads.
CNavigatorDlg* OpenMainWindow();

// The secondary windows that are open and not on their way out.
std::vector<CBrowserWindowDlg*> SecondaryWindows();

// Whether the page has loaded the file whose address ends in tail.
bool ShowsFile(CBrowserPageDlg& page, const std::string& tail);

// Lets the window finish painting, then saves the screen under it as a PNG for the record.
void SaveScreenshot(const wxWindow& window, const std::string& path);

// Presses the button id of parent as a click would.
void Press(wxWindow* parent, int id);

// Runs act on the modal dialog of this kind once its loop runs; the test's own call that
// shows it follows this one. Gives up once wanted goes false.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act,
               std::shared_ptr<bool> wanted = std::make_shared<bool>(true)) {
  wxTheApp->CallAfter([act, wanted] {
    if (!*wanted) return;
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<Dialog*>(window);
      if (dialog && dialog->IsModal()) {
        act(*dialog);
        return;
      }
    }
    WhenShown<Dialog>(act, wanted);
  });
}

// wxString from UTF-8 literals.
inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

}  // namespace orvanta::testing
