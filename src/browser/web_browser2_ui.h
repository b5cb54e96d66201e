// The embedded browser control: one web view and the events a browser page consumes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <wx/timer.h>
#include <wx/webview.h>
#include <wx/window.h>

#include "browser/crash_reload_policy.h"
#include "browser/user_activation.h"
#include "text/text.h"
#include "text/utf8_text.h"

typedef struct _WebKitBackForwardListItem WebKitBackForwardListItem;

namespace orvanta {

class CWebBrowser2;

// A request to open a link in a new window. The handler names a control to receive it or
// cancels it; a request left as delivered opens nothing.
struct CNewWindowRequest {
  Text url;                        // the link's address as the engine reports it (ASCII)
  CWebBrowser2* target = nullptr;  // the control that is to load the link
  bool cancel = false;
};

// What the pointer was on when the person asked for the page's menu.
struct CPageMenuTarget {
  std::string linkUrl;  // as the engine reports it; empty when not on a link
  bool hasSelection = false;
};

// Everything that reaches the page from its control; all calls come on the window thread,
// after the engine's own callback has returned, so a handler may show a box, navigate or start
// a job.
class CWebBrowser2Events {
 public:
  virtual ~CWebBrowser2Events() = default;
  // The address of the link under the pointer as the page's markup wrote it, in code page
  // 936; empty when the pointer leaves a link. fromOwnPage: the link is part of a page the
  // program generated, shown as the top page under its own scheme.
  virtual void OnStatusTextChange(const Text& text, bool fromOwnPage) = 0;
  virtual void OnNewWindow2(CNewWindowRequest& request) = 0;
  virtual void OnNavigateComplete2(const Text& url) = 0;
  // Command 1: forward possible, 2: back possible.
  virtual void OnCommandStateChange(int command, bool enabled) = 0;
  virtual void OnTitleChange(const Text& title) = 0;
  virtual void OnBeforeNavigate2(const Text&) {}
  // The page and everything in it has loaded.
  virtual void OnDocumentComplete(const Text&) {}
};

class CWebBrowser2 {
 public:
  // A first address makes the engine's first load that page itself, with no blank page
  // loaded before it; without one the control starts blank.
  CWebBrowser2(wxWindow* parent, int id, CWebBrowser2Events* events,
               const Text& firstAddress = Text());
  ~CWebBrowser2();
  CWebBrowser2(const CWebBrowser2&) = delete;
  CWebBrowser2& operator=(const CWebBrowser2&) = delete;

  // An address the program built, in code page 936: a remote address or an absolute local
  // path.
  void Navigate(const Text& address);
  // What the user typed into an address box.
  void NavigateTyped(const Utf8Text& typed);
  // Loads url (as the engine takes it) in place of the page shown: no new history step.
  void ReplaceWith(const std::string& url);
  // Runs a script of the program's own in the page shown, without waiting for it.
  void RunPageScript(const std::string& script);
  void GoBack();
  void GoForward();
  void Stop();
  void Refresh();
  // Only the save-as command (4) exists.
  void ExecWB(int command, int option);
  CWebBrowser2* Application() { return this; }
  void SetWidth(int width);
  void SetHeight(int height);
  Text LocationName() const;
  Text LocationURL() const;
  // The address of the page shown, as the engine reports it (ASCII or UTF-8).
  std::string CurrentUrl() const;

  bool CanGoBack() const;
  bool CanGoForward() const;
  // Whether the keyboard focus is inside the page itself.
  bool HasFocusInPage() const;
  // Zoom steps: +1 larger, -1 smaller, 0 back to normal.
  void Zoom(int step);
  // Highlights text in the page and moves to the next (or previous) match. An empty text
  // clears the highlight.
  void Find(const wxString& text, bool forward);

  // The control window, for placing it.
  wxWindow* GetWindow() const { return m_pView; }
  wxWebView* GetWebView() const { return m_pView; }
  // The address of the last page that finished loading, and how many did.
  const Text& LoadedURL() const { return m_strLoadedURL; }
  int LoadCount() const { return m_nLoads; }
  // Called from the engine's signals.
  void DeliverStatusText(const Text& text, bool fromFrameOfOwnPage);
  void OnWebProcessTerminated();
  void OnUserPress();
  // A page asked for a new window at url; only a person's press lets it through.
  void RequestNewWindow(const Text& url);
  // What a click on a link with a new-window target does, asked for by the person directly.
  void OpenInNewWindow(const Text& url);
  // Asks where, then lets the engine fetch url into that file.
  void DownloadLinkAs(const std::string& url);
  bool ShowsOwnPage() const;
  void ShowContextMenu(const CPageMenuTarget& target);

 private:
  void ConfigureNativeView();
  WebKitBackForwardListItem* OtherPageInHistory(int direction) const;
  void GoThroughHistory(int direction);
  // Runs call on the window thread once the engine's callback has returned; dropped if this
  // control is gone by then.
  void Defer(std::function<void()> call);
  void ReportCommandState();
  void SaveAs();
  void ShowCrashPage();
  void RetryCrashedPage();

  void OnNewWindow(wxWebViewEvent& event);
  void OnNavigating(wxWebViewEvent& event);
  void OnNavigated(wxWebViewEvent& event);
  void OnLoaded(wxWebViewEvent& event);
  void OnTitleChanged(wxWebViewEvent& event);

  wxWebView* m_pView = nullptr;
  CWebBrowser2Events* m_pEvents;
  bool m_bCanBack = false;
  bool m_bCanForward = false;
  bool m_bStateReported = false;
  Text m_strLoadedURL;
  int m_nLoads = 0;
  CCrashReloadPolicy m_crashReloads;
  // The page comes back a moment after its process died, once the engine has noticed.
  wxTimer m_reloadTimer;
  std::string m_strCrashedUrl;
  bool m_bShowingCrashPage = false;
  CUserActivation m_activation;
  std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

}  // namespace orvanta
