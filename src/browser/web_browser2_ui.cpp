#include "browser/web_browser2_ui.h"

#include <wx/app.h>
#include <wx/filedlg.h>

#include <webkit2/webkit2.h>

#include <algorithm>
#include <memory>

#include "browser/browser_address.h"
#include "browser/download_name.h"
#include "browser/engine_start_ui.h"
#include "browser/link_hover_script.h"
#include "browser/own_page_scheme_ui.h"
#include "browser/page_context_menu_ui.h"
#include "browser/saved_page_name.h"
#include "browser/window_open_script.h"
#include "files/write_file.h"
#include "gui/message_box_ui.h"
#include "gui/widget_text_ui.h"
#include "net/download_error_message.h"
#include "pages/crash_page.h"
#include "pages/load_error_page.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

constexpr int kCrashReloadDelayMs = 1000;
// The crash page's link: the engine will not load a page's own address from a page shown in
// its place, so the control loads it itself.
constexpr const char* kCrashRetryUrl = "orvanta://retry/";
constexpr double kZoomStep = 1.1;

// What the engine is given for an address of ours.
wxString EngineUrl(const Text& address) { return wxString::FromUTF8(AddressToUrl(address)); }

WebKitWebView* NativeView(wxWebView* view) {
  return view ? static_cast<WebKitWebView*>(view->GetNativeBackend()) : nullptr;
}

CWebBrowser2* Browser(gpointer data) { return static_cast<CWebBrowser2*>(data); }

// The engine's own message signal, reached directly: the text is taken as the script posted it,
// behind the mark of whether its frame shows an own page.
void OnNativeStatusMessage(WebKitUserContentManager*, WebKitJavascriptResult* result,
                           gpointer data) {
  JSCValue* value = webkit_javascript_result_get_js_value(result);
  if (value == nullptr || !jsc_value_is_string(value)) return;
  char* text = jsc_value_to_string(value);
  if (text == nullptr) return;
  Text local(text);
  g_free(text);
  if (local.empty()) return;
  const bool ownFrame = local[0] == '1';
  local.erase(0, 1);
  Utf8ToLocal(local);
  Browser(data)->DeliverStatusText(local, ownFrame);
}

// A page's script asked for a window; the engine never hears of it.
void OnNativeOpenMessage(WebKitUserContentManager*, WebKitJavascriptResult* result, gpointer data) {
  JSCValue* value = webkit_javascript_result_get_js_value(result);
  if (value == nullptr || !jsc_value_is_string(value)) return;
  char* url = jsc_value_to_string(value);
  if (url == nullptr) return;
  Browser(data)->RequestNewWindow(ToLocalText(wxString::FromUTF8(url)));
  g_free(url);
}

// The engine asks for a view to open a window in (a script's window.open, the engine's own
// "new window" commands). None is given: the request goes the way a link's does, later.
GtkWidget* OnNativeCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer data) {
  WebKitURIRequest* request = webkit_navigation_action_get_request(action);
  const char* uri = request != nullptr ? webkit_uri_request_get_uri(request) : nullptr;
  Browser(data)->RequestNewWindow(ToLocalText(wxString::FromUTF8(uri != nullptr ? uri : "")));
  return nullptr;
}

gboolean OnNativeButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
  if (event->type == GDK_BUTTON_PRESS && (event->button == 1 || event->button == 2))
    Browser(data)->OnUserPress();
  return FALSE;
}

gboolean OnNativeKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  switch (event->keyval) {
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter:
    case GDK_KEY_space:
      Browser(data)->OnUserPress();
      break;
    default:
      break;
  }
  return FALSE;
}

gboolean OnNativeContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*,
                             WebKitHitTestResult* hit, gpointer data) {
  CPageMenuTarget target;
  if (webkit_hit_test_result_context_is_link(hit))
    target.linkUrl = webkit_hit_test_result_get_link_uri(hit);
  target.hasSelection = webkit_hit_test_result_context_is_selection(hit);
  Browser(data)->ShowContextMenu(target);
  return TRUE;  // the engine's own menu never shows
}

// The page's bytes for the file the user named (data, owned here).
void OnSavedPageData(GObject* resource, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<std::string> path(static_cast<std::string*>(data));
  gsize length = 0;
  guchar* bytes =
      webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(resource), result, &length, nullptr);
  const bool written =
      bytes != nullptr &&
      WriteFileAtomically(*path, std::string_view(reinterpret_cast<const char*>(bytes), length),
                          Durability::kFlushToDisk);
  g_free(bytes);
  if (!written) {
    Text name = *path;
    Utf8ToLocal(name);
    ShowAppMessageBox(Gbk("无法写入文件 ") + name);
  }
}

void OnNativeWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason,
                                  gpointer data) {
  // A process ended on purpose by the program itself is not a crash.
  if (reason == WEBKIT_WEB_PROCESS_TERMINATED_BY_API) return;
  Browser(data)->OnWebProcessTerminated();
}

// Failures that are no failure of the address: a stop, a load replaced by another, a
// download, a plugin taking over.
bool IsFailureToShow(const GError* error) {
  return !g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) &&
         !g_error_matches(error, WEBKIT_POLICY_ERROR,
                          WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE) &&
         !g_error_matches(error, WEBKIT_PLUGIN_ERROR, WEBKIT_PLUGIN_ERROR_WILL_HANDLE_LOAD);
}

gboolean OnNativeLoadFailed(WebKitWebView* native, WebKitLoadEvent, gchar* failingUri,
                            GError* error, gpointer) {
  if (failingUri == nullptr || !IsFailureToShow(error)) return FALSE;
  Text page = BuildLoadErrorPage(ToLocalText(wxString::FromUTF8(failingUri)),
                                 ToLocalText(wxString::FromUTF8(error->message)));
  LocalToUtf8(page);
  // Only queues a load. Given here, in place of the failed one, the page stands under the
  // failed address: the address box names it, history keeps one step and 刷新 tries again.
  webkit_web_view_load_alternate_html(native, page.c_str(), failingUri, nullptr);
  return TRUE;
}

}  // namespace

CWebBrowser2::CWebBrowser2(wxWindow* parent, int id, CWebBrowser2Events* events,
                           const Text& firstAddress)
    : m_pEvents(events) {
  // The engine reads this before its first view.
  KeepEngineUncomposited();
  RegisterOwnPageScheme();
  // The engine asks for its decisions and runs the user script only once the load is under
  // way, after ConfigureNativeView below, so the first page gets all of them too.
  m_pView =
      wxWebView::New(parent, id, firstAddress.empty() ? wxString() : EngineUrl(firstAddress),
                     wxDefaultPosition, wxDefaultSize, wxWebViewBackendDefault, wxBORDER_NONE);
  if (m_pView == nullptr) return;
  ConfigureNativeView();
  m_pView->Bind(wxEVT_WEBVIEW_NEWWINDOW, &CWebBrowser2::OnNewWindow, this);
  m_pView->Bind(wxEVT_WEBVIEW_NAVIGATING, &CWebBrowser2::OnNavigating, this);
  m_pView->Bind(wxEVT_WEBVIEW_NAVIGATED, &CWebBrowser2::OnNavigated, this);
  m_pView->Bind(wxEVT_WEBVIEW_LOADED, &CWebBrowser2::OnLoaded, this);
  m_pView->Bind(wxEVT_WEBVIEW_TITLE_CHANGED, &CWebBrowser2::OnTitleChanged, this);
  m_reloadTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (auto* native = NativeView(m_pView)) webkit_web_view_reload(native);
  });
}

void CWebBrowser2::Defer(std::function<void()> call) {
  if (wxTheApp == nullptr) return;
  wxTheApp->CallAfter([alive = std::weak_ptr<bool>(m_pAlive), call = std::move(call)] {
    if (alive.expired()) return;
    try {
      call();
    } catch (...) {
      // Nothing escapes into the toolkit.
    }
  });
}

bool CWebBrowser2::ShowsOwnPage() const {
  const WebKitWebView* native = NativeView(m_pView);
  const char* uri = native ? webkit_web_view_get_uri(const_cast<WebKitWebView*>(native)) : nullptr;
  const std::string prefix = std::string(kOwnPageScheme) + ":";
  return uri != nullptr && std::string_view(uri).substr(0, prefix.size()) == prefix;
}

void CWebBrowser2::DeliverStatusText(const Text& text, bool fromFrameOfOwnPage) {
  // A frame of an own page counts only while the page around it is one of ours too.
  const bool own = fromFrameOfOwnPage && ShowsOwnPage();
  Defer([this, text, own] { m_pEvents->OnStatusTextChange(text, own); });
}

void CWebBrowser2::OnUserPress() { m_activation.Press(CUserActivation::Clock::now()); }

void CWebBrowser2::RequestNewWindow(const Text& url) {
  if (!m_activation.Take(CUserActivation::Clock::now())) return;
  // An empty window is all a script could fill, and it gets none.
  if (url.empty() || url == "about:blank") return;
  Defer([this, url] { OpenInNewWindow(url); });
}

void CWebBrowser2::OpenInNewWindow(const Text& url) {
  CNewWindowRequest request;
  request.url = url;
  m_pEvents->OnNewWindow2(request);
  // A request handed back to this control itself shows nothing new: the page has already
  // started what the link asked for.
  if (!request.cancel && request.target != nullptr && request.target != this)
    request.target->Navigate(request.url);
}

namespace {

// The file the person chose, held by the download until the engine asks for it.
gboolean OnDownloadDestination(WebKitDownload* download, gchar*, gpointer path) {
  gchar* uri = g_filename_to_uri(static_cast<const char*>(path), nullptr, nullptr);
  if (uri == nullptr) return FALSE;
  webkit_download_set_destination(download, uri);
  g_free(uri);
  return TRUE;
}

void OnDownloadFailed(WebKitDownload*, GError* error, gpointer) {
  // The person cancelled nothing: a failed fetch or write is told as a failed write is.
  if (g_error_matches(error, WEBKIT_DOWNLOAD_ERROR, WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER))
    return;
  wxTheApp->CallAfter([] { ShowWindowMessageBox(DownloadErrorMessage()); });
}

void OnDownloadFinished(WebKitDownload* download, gpointer) { g_object_unref(download); }

}  // namespace

void CWebBrowser2::DownloadLinkAs(const std::string& url) {
  WebKitWebView* native = NativeView(m_pView);
  if (native == nullptr || url.empty()) return;
  wxFileDialog dialog(m_pView, wxString::FromUTF8("链接另存为"), wxEmptyString,
                      wxString::FromUTF8(ProposedFileName(url)), "*|*",
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  WebKitDownload* download = webkit_web_view_download_uri(native, url.c_str());
  webkit_download_set_allow_overwrite(download, TRUE);
  g_signal_connect_data(
      download, "decide-destination", G_CALLBACK(OnDownloadDestination),
      g_strdup(dialog.GetPath().utf8_str().data()), [](gpointer path, GClosure*) { g_free(path); },
      GConnectFlags(0));
  g_signal_connect(download, "failed", G_CALLBACK(OnDownloadFailed), nullptr);
  g_signal_connect(download, "finished", G_CALLBACK(OnDownloadFinished), nullptr);
}

void CWebBrowser2::ShowContextMenu(const CPageMenuTarget& target) {
  Defer([this, target] { ShowPageContextMenu(*this, target); });
}

void CWebBrowser2::ConfigureNativeView() {
  WebKitWebView* native = NativeView(m_pView);
  if (native == nullptr) return;
  WebKitSettings* settings = webkit_web_view_get_settings(native);
  // The media search page's script reads the list shown in its frame; the engine lets one
  // own page reach another only with this setting. Feed content never carries live script
  // into our pages.
  webkit_settings_set_allow_file_access_from_file_urls(settings, TRUE);
  // Pages that name no encoding are read as the program's own code page, as its users'
  // systems always did.
  webkit_settings_set_default_charset(settings, "GBK");
  g_signal_connect(native, "load-failed", G_CALLBACK(OnNativeLoadFailed), nullptr);
  g_signal_connect(native, "web-process-terminated", G_CALLBACK(OnNativeWebProcessTerminated),
                   this);
  // The toolkit answers "create" with this very view, which the engine cannot take (it
  // aborts); its handler is silenced and ours routes the request like a link's.
  g_signal_handlers_block_matched(native, G_SIGNAL_MATCH_ID,
                                  g_signal_lookup("create", WEBKIT_TYPE_WEB_VIEW), 0, nullptr,
                                  nullptr, nullptr);
  g_signal_connect(native, "create", G_CALLBACK(OnNativeCreate), this);
  g_signal_connect(native, "context-menu", G_CALLBACK(OnNativeContextMenu), this);
  // Before the engine sees them: the presses that may open a window.
  g_signal_connect(native, "button-press-event", G_CALLBACK(OnNativeButtonPress), this);
  g_signal_connect(native, "key-press-event", G_CALLBACK(OnNativeKeyPress), this);
  // Injected natively so that links inside frames report too.
  WebKitUserContentManager* content = webkit_web_view_get_user_content_manager(native);
  g_signal_connect(content, "script-message-received::orvantaStatus",
                   G_CALLBACK(OnNativeStatusMessage), this);
  webkit_user_content_manager_register_script_message_handler_in_world(content, kLinkStatusHandler,
                                                                       kLinkStatusWorld);
  WebKitUserScript* script = webkit_user_script_new_for_world(
      kLinkHoverScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, kLinkStatusWorld, nullptr, nullptr);
  webkit_user_content_manager_add_script(content, script);
  webkit_user_script_unref(script);
  // The engine aborts the whole program on a script's window.open: pages get one of ours.
  g_signal_connect(content, "script-message-received::orvantaOpen", G_CALLBACK(OnNativeOpenMessage),
                   this);
  webkit_user_content_manager_register_script_message_handler(content, kWindowOpenHandler);
  WebKitUserScript* open =
      webkit_user_script_new(kWindowOpenScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                             WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content, open);
  webkit_user_script_unref(open);
}

CWebBrowser2::~CWebBrowser2() {
  m_reloadTimer.Stop();
  // The view may outlive this object by a moment while its window is torn down.
  if (m_pView == nullptr) return;
  if (WebKitWebView* native = NativeView(m_pView)) {
    g_signal_handlers_disconnect_by_data(native, this);
    g_signal_handlers_disconnect_by_data(webkit_web_view_get_user_content_manager(native), this);
  }
  m_pView->Unbind(wxEVT_WEBVIEW_NEWWINDOW, &CWebBrowser2::OnNewWindow, this);
  m_pView->Unbind(wxEVT_WEBVIEW_NAVIGATING, &CWebBrowser2::OnNavigating, this);
  m_pView->Unbind(wxEVT_WEBVIEW_NAVIGATED, &CWebBrowser2::OnNavigated, this);
  m_pView->Unbind(wxEVT_WEBVIEW_LOADED, &CWebBrowser2::OnLoaded, this);
  m_pView->Unbind(wxEVT_WEBVIEW_TITLE_CHANGED, &CWebBrowser2::OnTitleChanged, this);
}

void CWebBrowser2::Navigate(const Text& address) {
  if (m_pView) m_pView->LoadURL(EngineUrl(address));
}

void CWebBrowser2::NavigateTyped(const Utf8Text& typed) {
  if (m_pView) m_pView->LoadURL(wxString::FromUTF8(TypedAddressToUrl(typed.Bytes())));
}

void CWebBrowser2::ReplaceWith(const std::string& url) {
  if (!m_pView) return;
  std::string quoted = "\"";
  for (const char c : url) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  RunPageScript("location.replace(" + quoted + ")");
}

void CWebBrowser2::RunPageScript(const std::string& script) {
  // No result is asked for: the toolkit's way hands it to the view even after the view is gone.
  if (WebKitWebView* native = NativeView(m_pView))
    webkit_web_view_evaluate_javascript(native, script.c_str(), -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
}

// The nearest history step in direction (-1 back, +1 forward) that shows another page: the
// loads of a page's own frames are steps of the engine's history, not of the person's.
WebKitBackForwardListItem* CWebBrowser2::OtherPageInHistory(int direction) const {
  WebKitWebView* native = NativeView(m_pView);
  if (native == nullptr) return nullptr;
  WebKitBackForwardList* list = webkit_web_view_get_back_forward_list(native);
  const char* shown = webkit_web_view_get_uri(native);
  const std::string current = shown != nullptr ? shown : "";
  for (int step = direction;; step += direction) {
    WebKitBackForwardListItem* item = webkit_back_forward_list_get_nth_item(list, step);
    if (item == nullptr) return nullptr;
    const char* uri = webkit_back_forward_list_item_get_uri(item);
    if (uri == nullptr || current != uri) return item;
  }
}

void CWebBrowser2::GoThroughHistory(int direction) {
  if (WebKitBackForwardListItem* item = OtherPageInHistory(direction))
    webkit_web_view_go_to_back_forward_list_item(NativeView(m_pView), item);
}

void CWebBrowser2::GoBack() { GoThroughHistory(-1); }

void CWebBrowser2::GoForward() { GoThroughHistory(+1); }

void CWebBrowser2::Stop() {
  if (m_pView) m_pView->Stop();
}

void CWebBrowser2::Refresh() {
  // The crash page stands under the crashed page's address: refreshing it tries the page.
  if (m_bShowingCrashPage && CurrentUrl() == m_strCrashedUrl)
    RetryCrashedPage();
  else if (m_pView)
    m_pView->Reload();
}

void CWebBrowser2::RetryCrashedPage() {
  m_bShowingCrashPage = false;
  if (m_pView) m_pView->LoadURL(wxString::FromUTF8(m_strCrashedUrl));
}

void CWebBrowser2::ExecWB(int command, int /*option*/) {
  if (command == 4) SaveAs();
}

void CWebBrowser2::SaveAs() {
  WebKitWebView* native = NativeView(m_pView);
  if (native == nullptr) return;
  wxFileDialog dialog(m_pView, wxString::FromUTF8("保存网页"), wxEmptyString,
                      wxString::FromUTF8(SavedPageName(m_pView->GetCurrentTitle().utf8_string())),
                      "HTML (*.html;*.htm)|*.html;*.htm|*|*", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  // The bytes the engine was given for the page shown, as they came: own pages as their
  // files hold them, remote ones in their own encoding.
  WebKitWebResource* resource = webkit_web_view_get_main_resource(native);
  if (resource == nullptr) return;
  webkit_web_resource_get_data(resource, nullptr, &OnSavedPageData,
                               new std::string(dialog.GetPath().utf8_string()));
}

void CWebBrowser2::SetWidth(int width) {
  if (m_pView)
    m_pView->SetSize(wxDefaultCoord, wxDefaultCoord, width, wxDefaultCoord, wxSIZE_USE_EXISTING);
}

void CWebBrowser2::SetHeight(int height) {
  if (m_pView)
    m_pView->SetSize(wxDefaultCoord, wxDefaultCoord, wxDefaultCoord, height, wxSIZE_USE_EXISTING);
}

Text CWebBrowser2::LocationName() const {
  return m_pView ? ToLocalText(m_pView->GetCurrentTitle()) : Text();
}

Text CWebBrowser2::LocationURL() const {
  return m_pView ? ToLocalText(m_pView->GetCurrentURL()) : Text();
}

std::string CWebBrowser2::CurrentUrl() const {
  return m_pView ? std::string(m_pView->GetCurrentURL().utf8_str().data()) : std::string();
}

bool CWebBrowser2::CanGoBack() const { return OtherPageInHistory(-1) != nullptr; }
bool CWebBrowser2::CanGoForward() const { return OtherPageInHistory(+1) != nullptr; }

bool CWebBrowser2::HasFocusInPage() const {
  WebKitWebView* native = NativeView(m_pView);
  return native != nullptr && gtk_widget_is_focus(GTK_WIDGET(native));
}

void CWebBrowser2::Zoom(int step) {
  if (!m_pView) return;
  const double factor = m_pView->GetZoomFactor();
  const double zoomed = step > 0 ? factor * kZoomStep : step < 0 ? factor / kZoomStep : 1.0;
  m_pView->SetZoomFactor(std::clamp(zoomed, 0.3, 5.0));
}

void CWebBrowser2::Find(const wxString& text, bool forward) {
  if (!m_pView) return;
  const int flags = wxWEBVIEW_FIND_WRAP | wxWEBVIEW_FIND_HIGHLIGHT_RESULT |
                    (forward ? 0 : wxWEBVIEW_FIND_BACKWARDS);
  m_pView->Find(text, flags);
}

void CWebBrowser2::OnWebProcessTerminated() {
  m_strCrashedUrl = CurrentUrl();
  if (m_crashReloads.AllowReload(CCrashReloadPolicy::Clock::now()))
    m_reloadTimer.StartOnce(kCrashReloadDelayMs);
  else
    ShowCrashPage();
}

void CWebBrowser2::ShowCrashPage() {
  WebKitWebView* native = NativeView(m_pView);
  if (native == nullptr) return;
  Text page = BuildCrashPage(kCrashRetryUrl);
  LocalToUtf8(page);
  // Under the crashed page's address, so that the address box still names the page.
  webkit_web_view_load_html(native, page.c_str(), m_strCrashedUrl.c_str());
  m_bShowingCrashPage = true;
}

void CWebBrowser2::ReportCommandState() {
  const bool back = CanGoBack();
  const bool forward = CanGoForward();
  const bool first = !m_bStateReported;
  m_bStateReported = true;
  if (first || forward != m_bCanForward) {
    m_bCanForward = forward;
    Defer([this, forward] { m_pEvents->OnCommandStateChange(1, forward); });
  }
  if (first || back != m_bCanBack) {
    m_bCanBack = back;
    Defer([this, back] { m_pEvents->OnCommandStateChange(2, back); });
  }
}

void CWebBrowser2::OnNewWindow(wxWebViewEvent& event) {
  RequestNewWindow(ToLocalText(event.GetURL()));
}

void CWebBrowser2::OnNavigating(wxWebViewEvent& event) {
  if (event.GetURL() == kCrashRetryUrl) {
    event.Veto();
    RetryCrashedPage();
    return;
  }
  // On the program's own pages about:blank only stands for an address the feed filter made
  // inert: it goes nowhere instead of blanking the page.
  if (event.GetURL() == "about:blank" && ShowsOwnPage()) {
    event.Veto();
    return;
  }
  Defer([this, url = ToLocalText(event.GetURL())] { m_pEvents->OnBeforeNavigate2(url); });
}

void CWebBrowser2::OnNavigated(wxWebViewEvent& event) {
  // Engine URLs are ASCII or UTF-8; the page compares them in code page 936.
  Defer([this, url = ToLocalText(event.GetURL())] { m_pEvents->OnNavigateComplete2(url); });
  ReportCommandState();
}

void CWebBrowser2::OnLoaded(wxWebViewEvent& event) {
  m_strLoadedURL = ToLocalText(event.GetURL());
  ++m_nLoads;
  ReportCommandState();
  Defer([this, url = m_strLoadedURL] { m_pEvents->OnDocumentComplete(url); });
}

void CWebBrowser2::OnTitleChanged(wxWebViewEvent& event) {
  Defer([this, title = ToLocalText(event.GetString())] { m_pEvents->OnTitleChange(title); });
}

}  // namespace orvanta
