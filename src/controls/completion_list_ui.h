// The list a completing box opens under itself while the user types: it shows the matches
// in the program's colours and never takes the keyboard, so the user types on.
#pragma once

#include <functional>

#include <wx/listbox.h>
#include <wx/popupwin.h>
#include <wx/weakref.h>

#include "text/text.h"

namespace orvanta {

class CCompletionList {
 public:
  // picked runs with the entry the user clicked.
  explicit CCompletionList(std::function<void(const Text&)> picked);
  ~CCompletionList();
  CCompletionList(const CCompletionList&) = delete;
  CCompletionList& operator=(const CCompletionList&) = delete;

  // Shows the entries under anchor, nothing selected.
  void ShowUnder(wxWindow* anchor, const TextArray& entries);
  void Hide();
  bool IsShown() const;
  // Moves the selection one step down (+1) or up (-1) and returns the entry now selected;
  // nothing moves when the list is closed.
  const Text* MoveSelection(int step);
  wxListBox* List() const { return m_pList; }

 private:
  void Create(wxWindow* anchor);

  std::function<void(const Text&)> m_picked;
  // Owned by a window that may go first.
  wxWeakRef<wxPopupWindow> m_pPopup;
  wxListBox* m_pList = nullptr;
  TextArray m_entries;
};

}  // namespace orvanta
