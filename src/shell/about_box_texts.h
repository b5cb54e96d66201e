// What the About boxes say and where their parts go; the dialogs only put it on screen.
#pragma once

#include <array>
#include <string>

#include "text/text.h"

namespace orvanta {

struct AboutRect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const AboutRect&, const AboutRect&) = default;
};

struct AboutStaticText {
  int id = 0;
  Text text;  // code page 936
  AboutRect rect;
};

// A link button: the maker's site and blog open in a secondary window, the mail address goes
// to the desktop's mail handler.
struct AboutLink {
  int id = 0;
  std::string target;  // an address, or "mailto:" and the mail address
  Text label;          // the link text that the button's picture shows
  int bitmap = 0;
  AboutRect rect;
  bool opensMail = false;
};

struct AboutBoxTexts {
  int resource = 138;
  Text title;  // "Orvanta"
  int groupId = 1020;
  Text group;  // "关于"
  AboutRect groupRect;
  int okId = 1;
  Text ok;  // "确定"
  AboutRect okRect;
  AboutRect clientSize;                    // x and y unused
  std::array<AboutStaticText, 9> statics;  // 1024 to 1032
  std::array<AboutLink, 3> links;          // blog 1003, site 1001, mail 1004
  // The plain font of the texts: face "宋体", height 12, weight 9.
  Text fontFace;
  int fontHeight = 12;
  int fontWeight = 9;
};

struct SmallAboutTexts {
  int resource = 100;
  Text title;  // "关于 kelmo"
  Text line;   // "Orvanta 1.0 版"
  Text rights;
  Text ok;         // "确定"
  int icon = 128;  // names no icon of the program, so the icon control stays empty
};

const AboutBoxTexts& GetAboutBoxTexts();
const SmallAboutTexts& GetSmallAboutTexts();

// The pointer turns into a hand over the link buttons and the OK button only.
bool AboutBoxShowsHand(int controlId);

}  // namespace orvanta
