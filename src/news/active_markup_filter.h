// Feed content is pasted into local pages that the browser trusts with local files, so
// nothing that comes from a feed may run script there.
#pragma once

#include "text/text.h"

namespace orvanta {

// Markup that keeps its text, links and pictures but cannot run anything: script and
// other active elements are escaped into text, event-handler attributes are renamed, and
// script addresses become "about:blank". A tag or comment that the field leaves open is
// closed at its end, so whatever the page puts behind it is read as the page meant it. Ordinary
// markup comes back byte for byte. Works on raw bytes: the page's GBK decoder never pairs a lead
// byte with the ASCII bytes that shape markup.
Text NeutraliseActiveMarkup(std::string_view markup);

// True when an attribute value, once the browser has decoded its character references and
// dropped the tabs and line breaks of an address, would run script or is one of the
// program's own pseudo-links.
bool IsActiveAddress(std::string_view value);

// A link field is pasted into a single-quoted href: a script address becomes inert and a
// quote is percent-encoded so it cannot close the attribute.
Text NeutraliseLinkAddress(std::string_view address);

}  // namespace orvanta
