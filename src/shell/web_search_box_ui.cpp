#include "shell/web_search_box_ui.h"

#include <cstdlib>
#include <ctime>

#include "gui/widget_text_ui.h"
#include "search/web_search.h"

namespace orvanta {

void FillEngineBox(wxComboBox& engineBox, int engineIndex) {
  engineBox.Clear();
  for (const WebEngine& engine : WebEngines()) engineBox.Append(FromLocal(BoxText(engine)));
  if (engineIndex >= 0 && engineIndex < static_cast<int>(engineBox.GetCount()))
    engineBox.SetSelection(engineIndex);
}

int ChooseEngineIndex() {
  static const bool seeded = [] {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return true;
  }();
  (void)seeded;
  return std::rand() % 9;
}

void RunWebSearch(CBrowserPageDlg& page, const wxComboBox& engineBox, wxTextCtrl& keywordBox,
                  CPageHost& host) {
  const Text keyword = ToLocalText(keywordBox.GetValue());
  if (IsMissingKeyword(keyword)) {
    keywordBox.ChangeValue(FromLocal(KeywordPlaceholder()));
    host.SetStatusLineText(KeywordPlaceholderStatus());
    return;
  }
  page.ShowLoadingPage();
  const Text address = BuildWebSearchAddress(ToLocalText(engineBox.GetValue()), keyword);
  page.Browser().Navigate(address);
  page.ShowTreePanel(0);
}

}  // namespace orvanta
