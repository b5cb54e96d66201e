#include "browser/web_browser2_ui.h"

#include <wx/filedlg.h>

#include <webkit2/webkit2.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "browser/browser_address.h"
#include "browser/link_hover_script.h"
#include "browser/own_page_scheme_ui.h"
#include "browser/saved_page_name.h"
#include "files/write_file.h"
#include "gui/message_box_ui.h"
#include "gui/widget_text_ui.h"
#include "pages/crash_page.h"
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

// The engine's own message signal, reached directly: the text is taken as the script posted it.
void OnNativeStatusMessage(WebKitUserContentManager*, WebKitJavascriptResult* result,
                           gpointer data) {
  JSCValue* value = webkit_javascript_result_get_js_value(result);
  if (value == nullptr || !jsc_value_is_string(value)) return;
  char* text = jsc_value_to_string(value);
  if (text == nullptr) return;
  Text local(text);
  g_free(text);
  Utf8ToLocal(local);
  static_cast<CWebBrowser2*>(data)->DeliverStatusText(local);
}

// The page's bytes for the file the user named (data, owned here).
void OnSavedPageData(GObject* resource, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<std::string> path(static_cast<std::string*>(data));
  gsize length = 0;
  guchar* bytes = webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(resource), result,
                                                      &length, nullptr);
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
  static_cast<CWebBrowser2*>(data)->OnWebProcessTerminated();
}

}  // namespace

CWebBrowser2::CWebBrowser2(wxWindow* parent, int id, CWebBrowser2Events* events,
                           const Text& firstAddress)
    : m_pEvents(events) {
  // Composited, the view does not repaint what a tooltip, a list or a dialog uncovered on a
  // desktop without a compositor: the page's background stays there until the next load.
  // The engine reads this before its first view; the user may still say otherwise.
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
  RegisterOwnPageScheme();
  // The engine asks for its decisions and runs the user script only once the load is under
  // way, after ConfigureNativeView below, so the first page gets all of them too.
  m_pView = wxWebView::New(parent, id, firstAddress.empty() ? wxString() : EngineUrl(firstAddress),
                           wxDefaultPosition, wxDefaultSize, wxWebViewBackendDefault,
                           wxBORDER_NONE);
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

void CWebBrowser2::DeliverStatusText(const Text& text) { m_pEvents->OnStatusTextChange(text); }

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
  g_signal_connect(native, "web-process-terminated", G_CALLBACK(OnNativeWebProcessTerminated),
                   this);
  // Injected natively so that links inside frames report too.
  WebKitUserContentManager* content = webkit_web_view_get_user_content_manager(native);
  g_signal_connect(content, "script-message-received::orvantaStatus",
                   G_CALLBACK(OnNativeStatusMessage), this);
  webkit_user_content_manager_register_script_message_handler(content, kLinkStatusHandler);
  WebKitUserScript* script = webkit_user_script_new(
      kLinkHoverScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content, script);
  webkit_user_script_unref(script);
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

void CWebBrowser2::NavigateTyped(const std::string& typed) {
  if (m_pView) m_pView->LoadURL(wxString::FromUTF8(TypedAddressToUrl(typed)));
}

void CWebBrowser2::ReplaceWith(const std::string& url) {
  if (!m_pView) return;
  std::string quoted = "\"";
  for (const char c : url) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  m_pView->RunScriptAsync(wxString::FromUTF8("location.replace(" + quoted + ")"));
}

void CWebBrowser2::GoBack() {
  if (m_pView && m_pView->CanGoBack()) m_pView->GoBack();
}

void CWebBrowser2::GoForward() {
  if (m_pView && m_pView->CanGoForward()) m_pView->GoForward();
}

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
  if (m_pView) m_pView->SetSize(wxDefaultCoord, wxDefaultCoord, width, wxDefaultCoord,
                                wxSIZE_USE_EXISTING);
}

void CWebBrowser2::SetHeight(int height) {
  if (m_pView) m_pView->SetSize(wxDefaultCoord, wxDefaultCoord, wxDefaultCoord, height,
                                wxSIZE_USE_EXISTING);
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

bool CWebBrowser2::CanGoBack() const { return m_pView && m_pView->CanGoBack(); }
bool CWebBrowser2::CanGoForward() const { return m_pView && m_pView->CanGoForward(); }

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
  const bool back = m_pView->CanGoBack();
  const bool forward = m_pView->CanGoForward();
  const bool first = !m_bStateReported;
  m_bStateReported = true;
  if (first || forward != m_bCanForward) {
    m_bCanForward = forward;
    m_pEvents->OnCommandStateChange(1, forward);
  }
  if (first || back != m_bCanBack) {
    m_bCanBack = back;
    m_pEvents->OnCommandStateChange(2, back);
  }
}

void CWebBrowser2::OnNewWindow(wxWebViewEvent& event) {
  CNewWindowRequest request;
  request.url = ToLocalText(event.GetURL());
  m_pEvents->OnNewWindow2(request);
  // A request handed back to this control itself shows nothing new: the page has already
  // started what the link asked for.
  if (!request.cancel && request.target != nullptr && request.target != this)
    request.target->Navigate(request.url);
}

void CWebBrowser2::OnNavigating(wxWebViewEvent& event) {
  if (event.GetURL() == kCrashRetryUrl) {
    event.Veto();
    RetryCrashedPage();
    return;
  }
  m_pEvents->OnBeforeNavigate2(ToLocalText(event.GetURL()));
}

void CWebBrowser2::OnNavigated(wxWebViewEvent& event) {
  // Engine URLs are ASCII or UTF-8; the page compares them in code page 936.
  m_pEvents->OnNavigateComplete2(ToLocalText(event.GetURL()));
  ReportCommandState();
}

void CWebBrowser2::OnLoaded(wxWebViewEvent& event) {
  m_strLoadedURL = ToLocalText(event.GetURL());
  ++m_nLoads;
  ReportCommandState();
  m_pEvents->OnDocumentComplete(m_strLoadedURL);
}

void CWebBrowser2::OnTitleChanged(wxWebViewEvent& event) {
  m_pEvents->OnTitleChange(ToLocalText(event.GetString()));
}

}  // namespace orvanta
