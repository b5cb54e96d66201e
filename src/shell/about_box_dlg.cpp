#include "shell/about_box_dlg.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "gui/pixel_height_font_ui.h"
#include "gui/widget_text_ui.h"
#include "shell/about_box_texts.h"
#include "shell/browser_window_dlg.h"

namespace orvanta {
namespace {

wxRect ToWx(const AboutRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

// The link's picture: its text drawn in the usual link blue on the dialog's face, the same
// picture for the normal and the pressed state.
wxBitmap LinkFace(const AboutLink& link, const wxFont& font, const wxColour& back) {
  wxBitmap face(link.rect.width, link.rect.height);
  wxMemoryDC dc(face);
  dc.SetBackground(wxBrush(back));
  dc.Clear();
  dc.SetFont(font);
  dc.SetTextForeground(wxColour(0, 0, 255));
  dc.DrawText(FromLocal(link.label), 0, 0);
  dc.SelectObject(wxNullBitmap);
  return face;
}

}  // namespace

CAboutBoxDlg::CAboutBoxDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, FromLocal(GetAboutBoxTexts().title), wxDefaultPosition,
               wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
  const AboutBoxTexts& texts = GetAboutBoxTexts();
  m_font = MakePixelHeightFont(
      wxFontInfo().FaceName(FromLocal(texts.fontFace)).Weight(wxFONTWEIGHT_THIN), texts.fontHeight);
  SetClientSize(texts.clientSize.width, texts.clientSize.height);
  CreateTexts();
  CreateLinks();

  auto* ok = new wxButton(this, texts.okId, FromLocal(texts.ok), wxDefaultPosition, wxDefaultSize,
                          wxBU_EXACTFIT);
  ok->SetFont(m_font);
  ok->SetSize(ToWx(texts.okRect));
  ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
  SetAffirmativeId(texts.okId);
  SetEscapeId(texts.okId);
  // Shown, not run: the windows it opens and the tray menu stay usable while it is up.
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
  for (wxWindow* child : GetChildren())
    if (AboutBoxShowsHand(child->GetId())) child->SetCursor(wxCursor(wxCURSOR_HAND));
  CentreOnParent();
}

void CAboutBoxDlg::CreateTexts() {
  const AboutBoxTexts& texts = GetAboutBoxTexts();
  auto* group =
      new wxStaticBox(this, texts.groupId, FromLocal(texts.group),
                      ToWx(texts.groupRect).GetPosition(), ToWx(texts.groupRect).GetSize());
  group->SetFont(m_font);
  for (const AboutStaticText& line : texts.statics) {
    auto* label = new wxStaticText(this, line.id, FromLocal(line.text), wxDefaultPosition,
                                   wxDefaultSize, wxST_NO_AUTORESIZE);
    label->SetFont(m_font);
    label->SetSize(ToWx(line.rect));
  }
}

void CAboutBoxDlg::CreateLinks() {
  for (const AboutLink& link : GetAboutBoxTexts().links) {
    const wxBitmap face = LinkFace(link, m_font, GetBackgroundColour());
    auto* button = new wxBitmapButton(this, link.id, face, ToWx(link.rect).GetPosition(),
                                      face.GetSize(), wxBORDER_NONE);
    button->SetBitmapPressed(face);
    button->SetToolTip(FromLocal(link.label));
    button->Bind(wxEVT_BUTTON, [this, &link](wxCommandEvent&) { OnLink(link); });
  }
}

void CAboutBoxDlg::OnLink(const AboutLink& link) {
  // The About box stays open; a new window lives on its own.
  if (link.opensMail)
    wxLaunchDefaultApplication(link.target);
  else
    CBrowserWindowDlg::OpenAt(link.target);
}

CSmallAboutDlg::CSmallAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, FromLocal(GetSmallAboutTexts().title), wxDefaultPosition,
               wxSize(300, 130), wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
  const SmallAboutTexts& texts = GetSmallAboutTexts();
  // Icon 128 is not among the images, so the icon place stays empty.
  new wxStaticBitmap(this, wxID_ANY, wxNullBitmap, wxPoint(15, 15), wxSize(32, 32));
  new wxStaticText(this, wxID_ANY, FromLocal(texts.line), wxPoint(60, 15));
  new wxStaticText(this, wxID_ANY, FromLocal(texts.rights), wxPoint(60, 40));
  new wxButton(this, wxID_OK, FromLocal(texts.ok), wxPoint(210, 15), wxSize(70, 28));
  CentreOnParent();
}

void ShowAboutBox(wxWindow* parent) {
  static wxWeakRef<CAboutBoxDlg> shown;
  if (!shown || !shown->IsShown()) {  // a closed box is hidden until it is deleted
    shown = new CAboutBoxDlg(parent);
    shown->Show();
  }
  shown->Raise();
}

void ShowSmallAboutBox(wxWindow* parent) {
  CSmallAboutDlg dialog(parent);
  dialog.ShowModal();
}

}  // namespace orvanta
