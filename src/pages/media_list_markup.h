// The two pages a media list build can leave in the list file.
#pragma once

#include "text/text.h"

namespace orvanta {

// The list page around a link list: style, the script that reveals the list frame of the
// media search page, the element its poller looks for, the links and the advertisement.
Text BuildMediaListMarkup(const Text& linkList);

// What stands in the list file when the first source could not be fetched: the poller's
// element, the reveal script, which also takes the loading animation away, and the download
// error in the list's place.
Text BuildMediaListFailureMarkup();

}  // namespace orvanta
