// Text meant for a person: messages and lists that someone reads on a terminal.
#pragma once

#include "text/text.h"

namespace orvanta::cli {

// True when descriptor is a terminal, where a person reads rather than a script.
bool IsTerminal(int descriptor);

// The system's text in the encoding of the locale the environment names (LC_ALL, LC_CTYPE,
// LANG), characters it lacks as "?"; unchanged when iconv does not know that encoding.
Text InLocaleEncoding(const Text& text);

// The system's text as it goes out to descriptor: in the locale's encoding on a terminal,
// otherwise its own bytes, exactly as scripts and files have always had them.
Text ForReader(int descriptor, const Text& text);

}  // namespace orvanta::cli
