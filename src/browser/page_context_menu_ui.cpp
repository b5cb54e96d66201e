#include "browser/page_context_menu_ui.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>

#include "gui/widget_text_ui.h"

namespace orvanta {
namespace {

enum MenuId {
  kOpenInNewWindowId = wxID_HIGHEST + 300,
  kCopyLinkId,
  kSaveLinkId,
  kBackId,
  kForwardId,
  kReloadId,
  kCopyId,
  kSelectAllId,
};

void Append(wxMenu& menu, int id, const char* utf8Label, bool enabled = true) {
  menu.Append(id, wxString::FromUTF8(utf8Label));
  menu.Enable(id, enabled);
}

void BuildMenu(wxMenu& menu, const CWebBrowser2& browser, const CPageMenuTarget& target) {
  if (!target.linkUrl.empty()) {
    Append(menu, kOpenInNewWindowId, "在新窗口中打开链接");
    Append(menu, kCopyLinkId, "复制链接地址");
    Append(menu, kSaveLinkId, "链接另存为...");
    menu.AppendSeparator();
  }
  Append(menu, kBackId, "后退", browser.CanGoBack());
  Append(menu, kForwardId, "前进", browser.CanGoForward());
  Append(menu, kReloadId, "刷新");
  menu.AppendSeparator();
  Append(menu, kCopyId, "复制", target.hasSelection);
  Append(menu, kSelectAllId, "全选");
}

void CopyToClipboard(const std::string& utf8) {
  wxClipboardLocker locker;
  if (!locker) return;
  wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(utf8)));
  wxTheClipboard->Flush();  // the address stays when the program ends
}

void Perform(CWebBrowser2& browser, const CPageMenuTarget& target, int id) {
  wxWebView* view = browser.GetWebView();
  switch (id) {
    case kOpenInNewWindowId:
      browser.OpenInNewWindow(ToLocalText(wxString::FromUTF8(target.linkUrl)));
      break;
    case kCopyLinkId:
      CopyToClipboard(target.linkUrl);
      break;
    case kSaveLinkId:
      browser.DownloadLinkAs(target.linkUrl);
      break;
    case kBackId:
      browser.GoBack();
      break;
    case kForwardId:
      browser.GoForward();
      break;
    case kReloadId:
      browser.Refresh();
      break;
    case kCopyId:
      view->Copy();
      break;
    case kSelectAllId:
      view->SelectAll();
      break;
    default:
      break;
  }
}

}  // namespace

void ShowPageContextMenu(CWebBrowser2& browser, const CPageMenuTarget& target) {
  wxWebView* view = browser.GetWebView();
  if (view == nullptr) return;
  wxMenu menu;
  BuildMenu(menu, browser, target);
  const int chosen = view->GetPopupMenuSelectionFromUser(menu);
  if (chosen != wxID_NONE) Perform(browser, target, chosen);
}

}  // namespace orvanta
