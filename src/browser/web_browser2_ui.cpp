#include "browser/web_browser2_ui.h"

#include <wx/filedlg.h>
#include <wx/wfstream.h>

#include <webkit2/webkit2.h>

#include "browser/browser_address.h"
#include "pages/own_page_file.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

constexpr const char* kStatusHandler = "orvantaStatus";

// Reports the href of the link under the pointer whenever it changes. The attribute is read
// as written, so pseudo-links and their keywords arrive untouched; a relative link is
// resolved first, as a status line would show it.
constexpr const char* kHoverScript = R"JS(
(function () {
  if (window.__orvantaHover) return;
  window.__orvantaHover = true;
  var last = null;
  function post(text) {
    if (text === last) return;
    last = text;
    try { window.webkit.messageHandlers.orvantaStatus.postMessage(text); } catch (e) {}
  }
  document.addEventListener('mouseover', function (event) {
    var node = event.target;
    while (node && !(node.nodeType === 1 && (node.tagName === 'A' || node.tagName === 'AREA')
                     && node.hasAttribute('href'))) {
      node = node.parentNode;
    }
    if (!node) { post(''); return; }
    var raw = node.getAttribute('href');
    post(/^[a-zA-Z][a-zA-Z0-9+.-]*:/.test(raw) ? raw : node.href);
  }, true);
})();
)JS";

// What the engine is given for an address of ours.
wxString EngineUrl(const Text& address) { return wxString::FromUTF8(AddressToUrl(address)); }

Text ToLocal(const wxString& text) {
  Text local(text.utf8_str().data());
  Utf8ToLocal(local);
  return local;
}

}  // namespace

CWebBrowser2::CWebBrowser2(wxWindow* parent, int id, CWebBrowser2Events* events,
                           const Text& firstAddress)
    : m_pEvents(events) {
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
}

// The engine's own message signal, reached directly: the text is taken as the script posted it.
static void OnNativeStatusMessage(WebKitUserContentManager*, WebKitJavascriptResult* result,
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

// The platform types a file by its first bytes; a generated page that begins with a link
// would show as plain text. Such a page is shown from its bytes as what it is: HTML in code
// page 936, under its own address, so its relative links and frames still work.
static gboolean OnNativeDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                     WebKitPolicyDecisionType type, gpointer) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto* responseDecision = WEBKIT_RESPONSE_POLICY_DECISION(decision);
  if (!webkit_response_policy_decision_is_main_frame_main_resource(responseDecision))
    return FALSE;
  WebKitURIResponse* response = webkit_response_policy_decision_get_response(responseDecision);
  const char* mimeType = webkit_uri_response_get_mime_type(response);
  const char* uri = webkit_uri_response_get_uri(response);
  if (uri == nullptr || (mimeType != nullptr && g_str_equal(mimeType, "text/html"))) return FALSE;
  char* path = g_filename_from_uri(uri, nullptr, nullptr);
  const bool own = path != nullptr && IsOwnPageFile(path, CurrentDirectory());
  gchar* contents = nullptr;
  gsize length = 0;
  const bool read = own && g_file_get_contents(path, &contents, &length, nullptr);
  g_free(path);
  if (!read) return FALSE;
  const std::string address(uri);
  webkit_policy_decision_ignore(decision);
  GBytes* bytes = g_bytes_new_take(contents, length);
  webkit_web_view_load_bytes(view, bytes, "text/html", "GBK", address.c_str());
  g_bytes_unref(bytes);
  return TRUE;
}

void CWebBrowser2::DeliverStatusText(const Text& text) { m_pEvents->OnStatusTextChange(text); }

void CWebBrowser2::ConfigureNativeView() {
  auto* native = static_cast<WebKitWebView*>(m_pView->GetNativeBackend());
  if (native == nullptr) return;
  // The media search page's script reads the list file shown in its frame; both are local
  // files of one folder. Feed content never carries live script into our pages.
  WebKitSettings* settings = webkit_web_view_get_settings(native);
  webkit_settings_set_allow_file_access_from_file_urls(settings, TRUE);
  g_signal_connect(native, "decide-policy", G_CALLBACK(OnNativeDecidePolicy), nullptr);
  // Injected natively so that links inside frames report too.
  WebKitUserContentManager* content = webkit_web_view_get_user_content_manager(native);
  g_signal_connect(content, "script-message-received::orvantaStatus",
                   G_CALLBACK(OnNativeStatusMessage), this);
  webkit_user_content_manager_register_script_message_handler(content, kStatusHandler);
  WebKitUserScript* script = webkit_user_script_new(
      kHoverScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content, script);
  webkit_user_script_unref(script);
}

CWebBrowser2::~CWebBrowser2() {
  // The view may outlive this object by a moment while its window is torn down.
  if (m_pView == nullptr) return;
  if (auto* native = static_cast<WebKitWebView*>(m_pView->GetNativeBackend()))
    g_signal_handlers_disconnect_by_data(webkit_web_view_get_user_content_manager(native), this);
  m_pView->Unbind(wxEVT_WEBVIEW_NEWWINDOW, &CWebBrowser2::OnNewWindow, this);
  m_pView->Unbind(wxEVT_WEBVIEW_NAVIGATING, &CWebBrowser2::OnNavigating, this);
  m_pView->Unbind(wxEVT_WEBVIEW_NAVIGATED, &CWebBrowser2::OnNavigated, this);
  m_pView->Unbind(wxEVT_WEBVIEW_LOADED, &CWebBrowser2::OnLoaded, this);
  m_pView->Unbind(wxEVT_WEBVIEW_TITLE_CHANGED, &CWebBrowser2::OnTitleChanged, this);
}

void CWebBrowser2::Navigate(const Text& address) {
  if (m_pView) m_pView->LoadURL(EngineUrl(address));
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
  if (m_pView) m_pView->Reload();
}

void CWebBrowser2::ExecWB(int command, int /*option*/) {
  if (command == 4) SaveAs();
}

void CWebBrowser2::SaveAs() {
  if (!m_pView) return;
  wxFileDialog dialog(m_pView, wxString::FromUTF8("保存网页"), wxEmptyString, "page.html",
                      "HTML (*.html;*.htm)|*.html;*.htm|*|*", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  const wxScopedCharBuffer source = m_pView->GetPageSource().utf8_str();
  wxFileOutputStream out(dialog.GetPath());
  if (out.IsOk()) out.WriteAll(source.data(), source.length());
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
  return m_pView ? ToLocal(m_pView->GetCurrentTitle()) : Text();
}

Text CWebBrowser2::LocationURL() const {
  return m_pView ? ToLocal(m_pView->GetCurrentURL()) : Text();
}

bool CWebBrowser2::CanGoBack() const { return m_pView && m_pView->CanGoBack(); }
bool CWebBrowser2::CanGoForward() const { return m_pView && m_pView->CanGoForward(); }

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
  request.url = ToLocal(event.GetURL());
  m_pEvents->OnNewWindow2(request);
  // A request handed back to this control itself shows nothing new: the page has already
  // started what the link asked for.
  if (!request.cancel && request.target != nullptr && request.target != this)
    request.target->Navigate(request.url);
}

void CWebBrowser2::OnNavigating(wxWebViewEvent& event) {
  m_pEvents->OnBeforeNavigate2(ToLocal(event.GetURL()));
}

void CWebBrowser2::OnNavigated(wxWebViewEvent& event) {
  // Engine URLs are ASCII or UTF-8; the page compares them in code page 936.
  m_pEvents->OnNavigateComplete2(ToLocal(event.GetURL()));
  ReportCommandState();
}

void CWebBrowser2::OnLoaded(wxWebViewEvent& event) {
  m_strLoadedURL = ToLocal(event.GetURL());
  ++m_nLoads;
  ReportCommandState();
}

void CWebBrowser2::OnTitleChanged(wxWebViewEvent& event) {
  m_pEvents->OnTitleChange(ToLocal(event.GetString()));
}

}  // namespace orvanta
