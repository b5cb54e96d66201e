#include "shell/caption_drag_ui.h"

#include <gtk/gtk.h>

namespace orvanta {

void BeginWindowMove(wxTopLevelWindow& window, const wxPoint& screenPoint) {
  GtkWidget* widget = window.GetHandle();
  if (!widget) return;
  // Without a window manager GDK moves the window itself, so this works on every desktop.
  gtk_window_begin_move_drag(GTK_WINDOW(widget), 1, screenPoint.x, screenPoint.y,
                             gtk_get_current_event_time());
}

}  // namespace orvanta
