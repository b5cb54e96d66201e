// The two pages a media list build can leave in the list file.
#pragma once

#include "text/text.h"

namespace orvanta {

// The list page around a link list: style, the script that reveals the list frame of the
// media search page, the element its poller looks for, the links and the advertisement.
Text BuildMediaListMarkup(const Text& linkList);

// What stands in the list file when the first source could not be fetched: the poller's
// element and the reveal script without the statement that hides the loading frame.
Text BuildMediaListFailureMarkup();

}  // namespace orvanta
