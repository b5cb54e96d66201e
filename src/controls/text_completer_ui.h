// Completes what the user types into an edit control or an editable combo box from a list
// of candidates. It hooks the control's parent, so it sees each text change before the
// parent's own handlers do.
#pragma once

#include <wx/event.h>
#include <wx/window.h>

#include "controls/subclass_wnd_ui.h"
#include "text/text.h"

namespace orvanta {

class CTextCompleter : public CSubclassWnd {
 public:
  enum ControlKind { kKindNone = 0, kKindEdit = 1, kKindComboBox = 2 };

  // Hooks the control's parent and notes the control's id and kind.
  void Attach(wxWindow* control);

  // Candidates are code-page-936 texts, offered in their order.
  void AddCandidate(const Text& candidate) { m_arrCandidates.push_back(candidate); }
  void AddCandidates(const TextArray& candidates);
  const TextArray& Candidates() const { return m_arrCandidates; }
  int ControlKindOf() const { return m_nControlKind; }
  int ControlId() const { return m_nControlId; }
  const Text& PreviousText() const { return m_strPreviousText; }

  // Whether a completion also opens the combo box's list. Off by default: this toolkit's
  // list takes the keyboard while it is open, so the user could not type on; the list is
  // filled either way and opens from its arrow.
  void SetOpensDropDown(bool opens) { m_bOpensDropDown = opens; }

  bool HandleMessage(wxEvent& event) override;
  virtual int FindMatches(const Text& text, TextArray& matches, bool firstOnly);
  virtual void ResetCursor();
  virtual bool NextCandidate(Text& candidate);
  virtual bool IsMatch(const Text& text, const Text& candidate);
  virtual bool IsShrinking(const Text& text);
  virtual void OnTextChanged(wxWindow* control, const Text& text);
  virtual void Complete(wxWindow* control, const Text& text, const TextArray& matches);

 private:
  TextArray m_arrCandidates;
  Text m_strPreviousText;
  int m_nDepth = 0;
  int m_nControlId = wxID_NONE;
  int m_nControlKind = kKindNone;
  int m_nCursor = 0;
  bool m_bOpensDropDown = false;
};

// The control's text as code page 936.
Text ControlText(wxWindow* control);

}  // namespace orvanta
