// The file that holds the keyword subscriptions: its default content, reading and writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

// Relative to the current directory, like every file of the program.
inline constexpr std::string_view kSubscriptionFileName = "sc/jzxml";
// The caption of every message box about subscriptions.
inline constexpr std::string_view kSubscriptionCaption = "Orvanta";

// "<Account>", the seven default keywords' entries, "</Account>".
const Text& DefaultSubscriptionText();

struct SubscriptionFileText {
  std::optional<Text> text;  // the whole file; nothing when it could not be created or read
  Text errorMessage;         // for a message box, naming the file
};

// The whole file at path; a missing file is first created with the default content.
SubscriptionFileText ReadSubscriptionFile(const std::string& path);

// Creates the folder that holds path ("sc") when it is missing; false when it cannot be made.
bool EnsureSubscriptionFolder(const std::string& path);

// Replaces the file whole; a crash or a full disk leaves the old list in place. The message
// for a message box when that failed.
std::optional<Text> WriteSubscriptionFile(const std::string& path, std::string_view text);

}  // namespace orvanta
