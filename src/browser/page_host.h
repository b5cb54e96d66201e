// What a browser page needs from the window that holds it.
#pragma once

#include <string>

#include "text/text.h"
#include "text/utf8_text.h"

namespace orvanta {

class CBrowserPageDlg;

class CPageHost {
 public:
  virtual ~CPageHost() = default;
  // The address of the page shown, as the user reads it; empty for the program's own pages.
  virtual void ShowAddress(const Utf8Text& address) = 0;
  // Texts in code page 936.
  virtual void SetStatusLineText(const Text& text) = 0;
  // A running job's progress shows in the status line until the job ends; then the line
  // returns to its last ordinary text.
  virtual void ShowJobProgress(const Text& text) = 0;
  virtual void EndJobProgress() = 0;
  // Only the main window carries the page buttons; its caption never follows page titles.
  virtual bool HasPageButtons() const = 0;
  virtual void SetCaptionText(const Text& text) = 0;
  // Opens a secondary window with its tree hidden and returns its page; the window owns
  // itself.
  virtual CBrowserPageDlg& OpenSecondaryWindow() = 0;
};

}  // namespace orvanta
