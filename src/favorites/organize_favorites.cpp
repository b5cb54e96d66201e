#include "favorites/organize_favorites.h"

#include <filesystem>
#include <system_error>

#include "favorites/favorite_path.h"
#include "favorites/shortcut_file.h"
#include "text/code_page.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameLimit = 200;

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

bool IsUnwanted(unsigned char byte) {
  static constexpr std::string_view kReserved = "/\\:*?\"<>|";
  return byte < 0x20 || byte == 0x7F ||
         kReserved.find(static_cast<char>(byte)) != std::string_view::npos;
}

// Cuts UTF-8 at a character boundary.
void CutUtf8(std::string& text, std::size_t limit) {
  if (text.size() <= limit) return;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
}

void TrimBlanksAndDots(std::string& text) {
  const std::size_t first = text.find_first_not_of(" .");
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text = text.substr(first, text.find_last_not_of(" .") - first + 1);
}

FavoriteOutcome Rename(const std::string& from, const std::string& to) {
  if (!Exists(from)) return FavoriteOutcome::kNotFound;
  if (Exists(to)) return FavoriteOutcome::kAlreadyExists;
  std::error_code error;
  fs::rename(from, to, error);
  return error ? FavoriteOutcome::kFailed : FavoriteOutcome::kDone;
}

}  // namespace

std::string ShortcutNameForTitle(std::string_view title) {
  // Replaced in UTF-8, where an ASCII byte is always a character of its own (a GBK trail
  // byte may be a backslash).
  std::string name(title);
  LocalToUtf8(name);
  for (char& byte : name) {
    if (IsUnwanted(static_cast<unsigned char>(byte))) byte = '_';
  }
  TrimBlanksAndDots(name);
  CutUtf8(name, kNameLimit);
  TrimBlanksAndDots(name);
  if (name.empty()) {
    name = Gbk("无标题");
    LocalToUtf8(name);
  }
  return name + ".url";
}

FavoriteOutcome AddFavorite(const std::string& folder, std::string_view subfolder,
                            std::string_view name, std::string_view address) {
  const std::optional<std::string> path = JoinFavoritePath(folder, subfolder, name);
  if (!path) return FavoriteOutcome::kUnsafeName;
  std::error_code error;
  fs::create_directories(fs::path(*path).parent_path(), error);
  if (error) return FavoriteOutcome::kFailed;
  return WriteShortcutFile(*path, address) ? FavoriteOutcome::kDone : FavoriteOutcome::kFailed;
}

FavoriteOutcome CreateFavoritesSubfolder(const std::string& folder, std::string_view name) {
  const std::optional<std::string> path = JoinFavoritePath(folder, "", name);
  if (!path) return FavoriteOutcome::kUnsafeName;
  if (Exists(*path)) return FavoriteOutcome::kAlreadyExists;
  std::error_code error;
  fs::create_directories(*path, error);
  return error ? FavoriteOutcome::kFailed : FavoriteOutcome::kDone;
}

FavoriteOutcome RenameFavorite(const std::string& folder, std::string_view parent,
                               std::string_view name, std::string_view newName) {
  std::string target(newName);
  if (IsShortcutName(name) && !IsShortcutName(target) && IsSafeFavoriteName(target)) {
    target += ".url";
  }
  const std::optional<std::string> from = JoinFavoritePath(folder, parent, name);
  const std::optional<std::string> to = JoinFavoritePath(folder, parent, target);
  if (!from || !to) return FavoriteOutcome::kUnsafeName;
  return Rename(*from, *to);
}

FavoriteOutcome MoveFavorite(const std::string& folder, std::string_view parent,
                             std::string_view name, std::string_view newParent) {
  const std::optional<std::string> from = JoinFavoritePath(folder, parent, name);
  const std::optional<std::string> to = JoinFavoritePath(folder, newParent, name);
  if (!from || !to) return FavoriteOutcome::kUnsafeName;
  if (*from == *to) return FavoriteOutcome::kDone;
  return Rename(*from, *to);
}

FavoriteOutcome DeleteFavorite(const std::string& folder, std::string_view parent,
                               std::string_view name) {
  const std::optional<std::string> path = JoinFavoritePath(folder, parent, name);
  if (!path) return FavoriteOutcome::kUnsafeName;
  if (!Exists(*path)) return FavoriteOutcome::kNotFound;
  std::error_code error;
  fs::remove_all(*path, error);
  return error ? FavoriteOutcome::kFailed : FavoriteOutcome::kDone;
}

}  // namespace orvanta
