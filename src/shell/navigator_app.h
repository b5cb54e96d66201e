// The application object: opens the main window and ends with it.
#pragma once

#include <wx/app.h>

namespace orvanta {

class CNavigatorApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;
};

}  // namespace orvanta
