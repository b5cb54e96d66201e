// The engine box, keyword box and search button of the main and the secondary window.
#pragma once

#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "browser/browser_page_dlg.h"
#include "browser/page_host.h"

namespace orvanta {

// Adds the ten engines (the box sorts them) and selects engineIndex in the sorted list.
void FillEngineBox(wxComboBox& engineBox, int engineIndex);

// A fresh engine choice: never the one that sorts last of the ten.
int ChooseEngineIndex();

// Searches the keyword with the chosen engine in page; an empty keyword or the placeholder
// restores the placeholder and the hint in the status line instead.
void RunWebSearch(CBrowserPageDlg& page, const wxComboBox& engineBox, wxTextCtrl& keywordBox,
                  CPageHost& host);

}  // namespace orvanta
