#include "shell/caption_menu_ui.h"

namespace orvanta {

wxMenu* CreateCaptionMenu() {
  auto* menu = new wxMenu;
  menu->Append(kAboutCommand, wxString::FromUTF8("关于"));
  menu->Append(kExitCommand, wxString::FromUTF8("退出"));
  return menu;
}

wxMenu* CreateSystemMenu() {
  auto* menu = new wxMenu;
  menu->Append(kSmallAboutCommand, wxString::FromUTF8("关于Orvanta(&A)..."));
  return menu;
}

}  // namespace orvanta
