#include "gui/message_box_ui.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <vector>

#include "gui/widget_text_ui.h"

namespace orvanta {
namespace {

constexpr const char* kAppCaption = "Orvanta ";
constexpr const char* kWindowCaption = "Orvanta";

MessageBoxPresenter& Presenter() {
  static MessageBoxPresenter presenter;
  return presenter;
}

int ShowModalBox(const wxString& text, const wxString& caption, long style) {
  wxMessageDialog box(nullptr, text, caption, style);
  box.SetOKLabel(wxString::FromUTF8("确定"));
  box.SetYesNoLabels(wxString::FromUTF8("是"), wxString::FromUTF8("否"));
  return box.ShowModal();
}

void Show(const Text& text, const char* caption, long icon = 0) {
  const wxString message = FromLocal(text);
  if (Presenter().show) {
    Presenter().show(message, caption);
    return;
  }
  ShowModalBox(message, caption, wxOK | icon);
}

GdkWindow* NativeWindow(wxWindow* window) {
  GtkWidget* widget = window ? static_cast<GtkWidget*>(window->GetHandle()) : nullptr;
  return widget ? gtk_widget_get_window(widget) : nullptr;
}

// The job boxes that are up. They stay above the program's windows: whenever the desktop
// restacks one of those (a click raises it), the boxes are raised over it again. Raising
// moves no keyboard focus, so the window clicked keeps it and nothing is blocked.
class CJobBoxStack {
 public:
  static void Add(wxWindow* box) {
    static const bool watching = (gdk_window_add_filter(nullptr, &OnXEvent, nullptr), true);
    (void)watching;
    Boxes().push_back(box);
  }
  static void Remove(wxWindow* box) { std::erase(Boxes(), box); }

 private:
  static std::vector<wxWindow*>& Boxes() {
    static std::vector<wxWindow*> boxes;
    return boxes;
  }

  static bool IsOneOf(Window xid, bool boxes) {
    for (wxWindow* window : wxTopLevelWindows) {
      GdkWindow* native = NativeWindow(window);
      const bool isBox = std::find(Boxes().begin(), Boxes().end(), window) != Boxes().end();
      if (native && isBox == boxes && GDK_IS_X11_WINDOW(native) &&
          gdk_x11_window_get_xid(native) == xid)
        return true;
    }
    return false;
  }

  static GdkFilterReturn OnXEvent(GdkXEvent* native, GdkEvent*, gpointer) {
    const auto* event = static_cast<const XEvent*>(native);
    if (event->type != ConfigureNotify || Boxes().empty() ||
        !IsOneOf(event->xconfigure.window, false))
      return GDK_FILTER_CONTINUE;
    for (wxWindow* box : Boxes())
      if (GdkWindow* window = NativeWindow(box)) gdk_window_raise(window);
    return GDK_FILTER_CONTINUE;
  }
};

// A box that holds no window: it is shown, not run, and tells its owner when it goes.
class CJobMessageDlg : public wxDialog {
 public:
  CJobMessageDlg(const wxString& text, std::function<void()> closed)
      : wxDialog(nullptr, wxID_ANY, kAppCaption, wxDefaultPosition, wxDefaultSize,
                 wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU),
        m_closed(std::move(closed)) {
    CJobBoxStack::Add(this);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALL, 20);
    auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8("确定"));
    column->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(column);
    SetEscapeId(wxID_OK);
    ok->SetDefault();
    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
      Hide();
      if (m_closed) std::exchange(m_closed, nullptr)();
      Destroy();
    });
    CentreOnScreen();
  }
  // Also when the program ends with the box up.
  ~CJobMessageDlg() override { CJobBoxStack::Remove(this); }

 private:
  std::function<void()> m_closed;
};

}  // namespace

void ShowAppMessageBox(const Text& text) { Show(text, kAppCaption); }
void ShowWindowMessageBox(const Text& text) { Show(text, kWindowCaption); }
void ShowErrorMessageBox(const Text& text) { Show(text, "Error", wxICON_ERROR); }

bool AskWindowQuestion(const Text& text) {
  const wxString message = FromLocal(text);
  if (Presenter().ask) return Presenter().ask(message, kWindowCaption);
  return ShowModalBox(message, kWindowCaption, wxYES_NO) == wxID_YES;
}

void ShowJobMessageBox(const Text& text, std::function<void()> closed) {
  const wxString message = FromLocal(text);
  if (Presenter().show) {
    Presenter().show(message, kAppCaption);
    if (closed) closed();
    return;
  }
  auto* box = new CJobMessageDlg(message, std::move(closed));
  // A desktop that keeps a window's dialogs above it keeps this one above the main window,
  // without it holding that window.
  if (wxWindow* main = wxTheApp ? wxTheApp->GetTopWindow() : nullptr; main && main != box)
    if (GtkWidget* widget = static_cast<GtkWidget*>(main->GetHandle()))
      gtk_window_set_transient_for(GTK_WINDOW(box->GetHandle()), GTK_WINDOW(widget));
  box->Show();
  box->Raise();
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) { Presenter() = std::move(presenter); }

}  // namespace orvanta
