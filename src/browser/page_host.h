// What a browser page needs from the window that holds it.
#pragma once

#include "text/text.h"

namespace orvanta {

class CBrowserPageDlg;

class CPageHost {
 public:
  virtual ~CPageHost() = default;
  // Texts in code page 936.
  virtual void SetAddressBoxText(const Text& text) = 0;
  virtual void SetStatusLineText(const Text& text) = 0;
  // Only the main window carries the page buttons; its caption never follows page titles.
  virtual bool HasPageButtons() const = 0;
  virtual void SetCaptionText(const Text& text) = 0;
  // Opens a secondary window with its tree hidden and returns its page; the window owns
  // itself.
  virtual CBrowserPageDlg& OpenSecondaryWindow() = 0;
};

}  // namespace orvanta
