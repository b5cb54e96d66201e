// Paths inside the favorites folder, built from names that come from the tree or the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// $XDG_DATA_HOME/orvanta/Favorites, by default under ~/.local/share; empty without a home.
// Looked up again on every call, as the favorites button wants.
std::string FavoritesFolderPath();
// The same folder, made with its parents when missing; empty when it has no name or cannot
// be made (a file in its place, no permission).
std::string MakeFavoritesFolder();

// A single name of a file or folder directly inside its folder: not empty, not "." or "..",
// no "/" and no zero byte. Anything else could lead out of the favorites folder.
bool IsSafeFavoriteName(std::string_view name);

// folder + "/" + name, or folder + "/" + parent + "/" + name when parent is not empty.
// Nothing when the folder is empty or a name is not safe.
std::optional<std::string> JoinFavoritePath(const std::string& folder, std::string_view parent,
                                            std::string_view name);

// Whether the name matches "*.url", with the letters in any case as the shell matches them.
bool IsShortcutName(std::string_view name);

}  // namespace orvanta
