// The addresses typed into the address box, kept in a file of their own since this desktop
// has no browser history to borrow: one address a line, newest first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

inline constexpr int kTypedUrlLimit = 100;
// An address that would not have fitted the 1024-byte value buffer is not kept.
inline constexpr std::size_t kTypedUrlMaxBytes = 1023;

// $XDG_CONFIG_HOME/orvanta/typed-urls, by default under ~/.config. Empty without a home.
std::string TypedUrlHistoryPath();

// The addresses in the file, newest first, as code-page-936 texts; at most 100, each at most
// 1023 bytes. A missing or unreadable file is an empty history; a line too long or holding
// bytes that no address has is skipped, and only a bounded prefix of the file is read.
TextArray ReadTypedUrls(const std::string& path);

// Puts address first, drops its older copies and keeps 100; the file is replaced whole and
// its folder made when missing. False when the address cannot be kept (empty, too long, a
// line break or other control byte in it) or the file cannot be written.
bool RecordTypedUrl(const std::string& path, std::string_view address);

}  // namespace orvanta
