// What the favorites dialogs tell the user when a change cannot be made.
#pragma once

#include <optional>

#include "favorites/organize_favorites.h"
#include "text/text.h"

namespace orvanta {

// Code page 936; nothing for a change that was made.
std::optional<Text> FavoriteOutcomeMessage(FavoriteOutcome outcome);

// For the folder dialog when no favorites folder can be named or made.
inline constexpr const char* kNoFavoritesFolderMessage =
    "The path of the Favorites folder cannot be found.";

}  // namespace orvanta
