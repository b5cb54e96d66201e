// Completes what the user types into an edit control or an editable combo box from a list
// of candidates. It hooks the control's parent, so it sees each text change before the
// parent's own handlers do.
#pragma once

#include <wx/event.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include "controls/completion_list_ui.h"
#include "controls/subclass_wnd_ui.h"
#include "text/text.h"

namespace orvanta {

class CTextCompleter : public CSubclassWnd {
 public:
  enum ControlKind { kKindNone = 0, kKindEdit = 1, kKindComboBox = 2 };

  ~CTextCompleter() override;

  // Hooks the control's parent and notes the control's id and kind.
  void Attach(wxWindow* control);

  // Candidates are code-page-936 texts, offered in their order.
  void AddCandidate(const Text& candidate) { m_arrCandidates.push_back(candidate); }
  void AddCandidates(const TextArray& candidates);
  const TextArray& Candidates() const { return m_arrCandidates; }
  int ControlKindOf() const { return m_nControlKind; }
  const Text& PreviousText() const { return m_strPreviousText; }

  // The list of matches a combo box's completion opens under the box. It never takes the
  // keyboard; its owner routes the keys that steer it.
  bool IsListShown() const { return m_list.IsShown(); }
  void CloseList() { m_list.Hide(); }
  // Up (-1) or down (+1) in the open list; the box then holds the entry selected.
  bool StepList(int step);
  const CCompletionList& List() const { return m_list; }

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
  wxWeakRef<wxWindow> m_pControl;
  void OnControlLosesFocus(wxFocusEvent& event);
  CCompletionList m_list{[this](const Text& entry) { TakeEntry(entry); }};

  void TakeEntry(const Text& entry);
};

// The control's text as code page 936.
Text ControlText(wxWindow* control);

}  // namespace orvanta
