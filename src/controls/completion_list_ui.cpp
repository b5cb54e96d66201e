#include "controls/completion_list_ui.h"

#include <algorithm>

#include "controls/color_combo_box_ui.h"
#include "gui/widget_text_ui.h"

namespace orvanta {
namespace {

constexpr int kMostRowsShown = 10;

}  // namespace

CCompletionList::CCompletionList(std::function<void(const Text&)> picked)
    : m_picked(std::move(picked)) {}

CCompletionList::~CCompletionList() {
  if (m_pPopup) m_pPopup->Destroy();
}

void CCompletionList::Create(wxWindow* anchor) {
  // Owned by the anchor's window, so it goes with it.
  m_pPopup = new wxPopupWindow(wxGetTopLevelParent(anchor), wxBORDER_SIMPLE);
  m_pList = new wxListBox(m_pPopup, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                          wxLB_SINGLE | wxBORDER_NONE);
  m_pList->SetForegroundColour(kComboTextColour);
  m_pList->SetBackgroundColour(kComboBackColour);
  m_pList->SetFont(anchor->GetFont());
  // Only the pointer picks: the toolkit also reports selections of its own while it shows the
  // list.
  m_pList->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    event.Skip();
    const int row = m_pList->HitTest(event.GetPosition());
    if (row < 0 || row >= static_cast<int>(m_entries.size())) return;
    const Text entry = m_entries[row];
    Hide();
    if (m_picked) m_picked(entry);
  });
}

void CCompletionList::ShowUnder(wxWindow* anchor, const TextArray& entries) {
  if (anchor == nullptr || entries.empty()) return;
  if (!m_pPopup) Create(anchor);
  m_entries = entries;
  m_pList->Clear();
  for (const Text& entry : entries) m_pList->Append(FromLocal(entry));
  const int rowHeight = m_pList->GetCharHeight() + 6;
  const int rows = std::min(static_cast<int>(entries.size()), kMostRowsShown);
  const wxRect box = anchor->GetScreenRect();
  m_pPopup->SetSize(box.x, box.y + box.height, box.width, rows * rowHeight + 4);
  m_pList->SetSize(m_pPopup->GetClientSize());
  m_pPopup->Show();
}

void CCompletionList::Hide() {
  if (m_pPopup) m_pPopup->Hide();
}

bool CCompletionList::IsShown() const { return m_pPopup && m_pPopup->IsShown(); }

const Text* CCompletionList::MoveSelection(int step) {
  if (!IsShown() || m_entries.empty()) return nullptr;
  const int count = static_cast<int>(m_entries.size());
  const int current = m_pList->GetSelection();
  const int next = current == wxNOT_FOUND ? (step > 0 ? 0 : count - 1)
                                          : std::clamp(current + step, 0, count - 1);
  m_pList->SetSelection(next);
  m_pList->EnsureVisible(next);
  return &m_entries[next];
}

}  // namespace orvanta
