#include "controls/color_combo_box_ui.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace orvanta {
namespace {

#ifdef __WXGTK__
constexpr const char* kBoxName = "orvanta-color-combo";
constexpr const char* kListName = "orvanta-color-list";

// The edit part, the button and the list all in the program's colours, with little enough
// padding that every engine's label shows whole in the narrow engine box.
constexpr const char* kStyle =
    "#orvanta-color-combo, #orvanta-color-combo entry, #orvanta-color-combo button,"
    "#orvanta-color-combo cellview, #orvanta-color-combo box {"
    "  color: rgb(255,186,0); background-color: rgb(18,32,65); background-image: none;"
    "  border-color: rgb(18,32,65); box-shadow: none; text-shadow: none; }"
    "#orvanta-color-combo entry { padding: 0 2px; min-height: 0; }"
    "#orvanta-color-combo button { padding: 0 1px; min-height: 0; min-width: 0; }"
    "#orvanta-color-combo arrow { color: rgb(255,186,0); min-width: 10px; }"
    "#orvanta-color-list, #orvanta-color-list menu, #orvanta-color-list menuitem,"
    "#orvanta-color-list treeview, #orvanta-color-list label {"
    "  color: rgb(255,186,0); background-color: rgb(18,32,65); background-image: none; }"
    "#orvanta-color-list menuitem:hover, #orvanta-color-list treeview:selected {"
    "  background-color: rgb(50,80,140); }";

void InstallStyle() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kStyle, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
  g_object_unref(provider);
}

// The list is a window of its own, made by the toolkit when it first opens: it is named then,
// so that the style reaches it.
void NameTheList(GObject* box, GParamSpec*, gpointer) {
  AtkObject* accessible = gtk_combo_box_get_popup_accessible(GTK_COMBO_BOX(box));
  GtkWidget* list = accessible ? gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible)) : nullptr;
  if (list == nullptr) return;
  gtk_widget_set_name(list, kListName);
  if (GtkWidget* top = gtk_widget_get_toplevel(list)) gtk_widget_set_name(top, kListName);
}
#endif

}  // namespace

CColorComboBox::CColorComboBox(wxWindow* parent, wxWindowID id, const wxString& value,
                               const wxPoint& pos, const wxSize& size, long style) {
  Create(parent, id, value, pos, size, style);
}

bool CColorComboBox::Create(wxWindow* parent, wxWindowID id, const wxString& value,
                            const wxPoint& pos, const wxSize& size, long style) {
  if (!wxComboBox::Create(parent, id, value, pos, size, 0, nullptr, style)) return false;
  ApplyColours();
  return true;
}

void CColorComboBox::ApplyColours() {
  SetForegroundColour(kComboTextColour);
  SetBackgroundColour(kComboBackColour);
#ifdef __WXGTK__
  InstallStyle();
  gtk_widget_set_name(m_widget, kBoxName);
  g_signal_connect(m_widget, "notify::popup-shown", G_CALLBACK(NameTheList), nullptr);
#endif
}

int CColorComboBox::TextRoom() const {
#ifdef __WXGTK__
  GtkWidget* entry = gtk_bin_get_child(GTK_BIN(m_widget));
  if (entry != nullptr && GTK_IS_ENTRY(entry)) {
    GdkRectangle area{};
    gtk_entry_get_text_area(GTK_ENTRY(entry), &area);
    return area.width;
  }
#endif
  return GetClientSize().x;
}

}  // namespace orvanta
