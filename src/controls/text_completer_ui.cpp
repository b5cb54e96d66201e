#include "controls/text_completer_ui.h"

#include <wx/combobox.h>
#include <wx/cursor.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "gui/widget_text_ui.h"

namespace orvanta {
namespace {

wxComboBox* AsComboBox(wxWindow* control) { return dynamic_cast<wxComboBox*>(control); }
wxTextCtrl* AsEdit(wxWindow* control) { return dynamic_cast<wxTextCtrl*>(control); }

// Selection positions count characters here, not bytes.
long CharacterCount(const Text& text) { return static_cast<long>(FromLocal(text).length()); }

}  // namespace

Text ControlText(wxWindow* control) {
  wxString value;
  if (wxComboBox* combo = AsComboBox(control)) {
    value = combo->GetValue();
  } else if (wxTextCtrl* edit = AsEdit(control)) {
    value = edit->GetValue();
  } else if (control != nullptr) {
    value = control->GetLabel();
  }
  return ToLocalText(value);
}

void CTextCompleter::Attach(wxWindow* control) {
  if (control == nullptr) return;
  AttachTo(control->GetParent());
  // A combo box is checked first: on this toolkit it is no kind of text control.
  if (AsComboBox(control) != nullptr) {
    m_nControlKind = kKindComboBox;
  } else if (AsEdit(control) != nullptr) {
    m_nControlKind = kKindEdit;
  } else {
    m_nControlKind = kKindNone;
  }
  m_nControlId = control->GetId();
  m_pControl = control;
  // The list goes when the box loses the keyboard, as a drop-down does.
  control->Bind(wxEVT_KILL_FOCUS, &CTextCompleter::OnControlLosesFocus, this);
}

CTextCompleter::~CTextCompleter() {
  if (m_pControl) m_pControl->Unbind(wxEVT_KILL_FOCUS, &CTextCompleter::OnControlLosesFocus, this);
}

void CTextCompleter::OnControlLosesFocus(wxFocusEvent& event) {
  m_list.Hide();
  event.Skip();
}

bool CTextCompleter::StepList(int step) {
  const Text* entry = m_list.MoveSelection(step);
  if (entry == nullptr) return false;
  TakeEntry(*entry);
  return true;
}

void CTextCompleter::TakeEntry(const Text& entry) {
  wxComboBox* combo = AsComboBox(m_pControl);
  if (combo == nullptr) return;
  // A choice, not typing: the previous text follows, so no completion starts from it.
  m_strPreviousText = entry;
  ++m_nDepth;
  combo->ChangeValue(FromLocal(entry));
  combo->SetInsertionPointEnd();
  --m_nDepth;
}

void CTextCompleter::AddCandidates(const TextArray& candidates) {
  m_arrCandidates.insert(m_arrCandidates.end(), candidates.begin(), candidates.end());
}

bool CTextCompleter::HandleMessage(wxEvent& event) {
  if (event.GetEventType() == wxEVT_TEXT && event.GetId() == m_nControlId &&
      m_nControlKind != kKindNone) {
    wxWindow* control = dynamic_cast<wxWindow*>(event.GetEventObject());
    wxComboBox* combo = AsComboBox(control);
    const bool rightKind =
        m_nControlKind == kKindComboBox ? combo != nullptr : AsEdit(control) != nullptr;
    // A pick from the drop-down list also changes the text here; it is a choice, not typing.
    const bool picked = combo != nullptr && combo->GetSelection() != wxNOT_FOUND &&
                        combo->GetString(combo->GetSelection()) == combo->GetValue();
    if (rightKind && !picked) {
      // Our own text update raises another change; only the outer one completes.
      if (m_nDepth++ == 0) OnTextChanged(control, ControlText(control));
      --m_nDepth;
    }
  }
  return CSubclassWnd::HandleMessage(event);
}

int CTextCompleter::FindMatches(const Text& text, TextArray& matches, bool firstOnly) {
  matches.clear();
  if (text.empty()) return 0;
  ResetCursor();
  Text candidate;
  while (NextCandidate(candidate)) {
    if (IsMatch(text, candidate)) {
      matches.push_back(candidate);
      if (firstOnly) break;
    }
  }
  return static_cast<int>(matches.size());
}

void CTextCompleter::ResetCursor() { m_nCursor = 0; }

bool CTextCompleter::NextCandidate(Text& candidate) {
  if (m_nCursor >= static_cast<int>(m_arrCandidates.size())) {
    candidate.clear();
    return false;
  }
  candidate = m_arrCandidates[m_nCursor++];
  return true;
}

bool CTextCompleter::IsMatch(const Text& text, const Text& candidate) {
  return candidate.compare(0, text.size(), text) == 0;
}

bool CTextCompleter::IsShrinking(const Text& text) {
  return m_strPreviousText.compare(0, text.size(), text) == 0;
}

void CTextCompleter::OnTextChanged(wxWindow* control, const Text& text) {
  if (!text.empty()) {
    TextArray matches;
    if (FindMatches(text, matches, m_nControlKind == kKindEdit) > 0) {
      Complete(control, text, matches);
    }
  }
  m_strPreviousText = text;
}

void CTextCompleter::Complete(wxWindow* control, const Text& text, const TextArray& matches) {
  if (m_nControlKind == kKindComboBox) {
    wxComboBox* combo = AsComboBox(control);
    if (combo == nullptr) return;
    combo->Clear();  // empties the list and, on this toolkit, the text: set again below
    for (const Text& match : matches) combo->Append(FromLocal(match));
    wxSetCursor(*wxSTANDARD_CURSOR);
    combo->SetValue(FromLocal(IsShrinking(text) ? text : matches.front()));
    combo->SetSelection(CharacterCount(text), combo->GetLastPosition());
    m_list.ShowUnder(combo, matches);
    return;
  }
  if (m_nControlKind == kKindEdit && !IsShrinking(text)) {
    wxTextCtrl* edit = AsEdit(control);
    if (edit == nullptr) return;
    edit->SetValue(FromLocal(matches.front()));
    // Selecting moves the caret to the end and the entry scrolls to it by itself; an extra
    // scroll here would drop the selection on this toolkit.
    edit->SetSelection(CharacterCount(text), edit->GetLastPosition());
  }
}

}  // namespace orvanta
