// Adding, renaming, moving and deleting favorites, always inside the favorites folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace orvanta {

enum class FavoriteOutcome { kDone, kUnsafeName, kNotFound, kAlreadyExists, kFailed };

// A file name for a shortcut to a page of this title (code page 936): UTF-8, without the
// characters that file names on either desktop cannot hold, without leading or trailing
// blanks and dots, at most 200 bytes, ending in ".url". An empty title gives "无标题.url".
std::string ShortcutNameForTitle(std::string_view title);

// Writes the shortcut folder[/subfolder]/name, making the favorites folder (and the named
// sub-folder) when missing; an existing shortcut of that name is replaced.
FavoriteOutcome AddFavorite(const std::string& folder, std::string_view subfolder,
                            std::string_view name, std::string_view address);

FavoriteOutcome CreateFavoritesSubfolder(const std::string& folder, std::string_view name);

// Renames parent/name to parent/newName; a shortcut keeps its ".url" ending. Never replaces an
// existing item.
FavoriteOutcome RenameFavorite(const std::string& folder, std::string_view parent,
                               std::string_view name, std::string_view newName);

// Moves parent/name into newParent (empty: the top level). Never replaces an existing item.
FavoriteOutcome MoveFavorite(const std::string& folder, std::string_view parent,
                             std::string_view name, std::string_view newParent);

// Deletes a shortcut, or a sub-folder with everything in it (links are removed, never
// followed).
FavoriteOutcome DeleteFavorite(const std::string& folder, std::string_view parent,
                               std::string_view name);

}  // namespace orvanta
