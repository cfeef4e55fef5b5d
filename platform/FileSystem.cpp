#include "platform/FileSystem.h"

namespace plat {

bool PassesFilter(const DirEntry& entry, std::uint32_t filter) {
  constexpr std::uint32_t kExcludable =
      attr::kHidden | attr::kSystem | attr::kVolumeLabel | attr::kDirectory;
  return (entry.attributes & ~filter & kExcludable) == 0;
}

Listing FindEntries(FileSystem& fs, std::string_view pattern, std::uint32_t filter) {
  Listing listing = fs.Enumerate(pattern);
  std::erase_if(listing.entries, [filter](const DirEntry& e) { return !PassesFilter(e, filter); });
  return listing;
}

Presence DirectoryPresence(FileSystem& fs, std::string_view path) {
  if (path.empty()) return Presence::kAbsent;
  const Attributes found = fs.GetAttributes(path);
  if (found.error != err::kSuccess) {
    return IsNotFound(found.error) ? Presence::kAbsent : Presence::kUnknown;
  }
  return (found.value & attr::kDirectory) != 0 ? Presence::kPresent : Presence::kAbsent;
}

bool IsExistingDirectory(FileSystem& fs, std::string_view path) {
  return DirectoryPresence(fs, path) == Presence::kPresent;
}

bool FileExists(FileSystem& fs, std::string_view path) {
  if (path.empty()) return false;
  const Attributes found = fs.GetAttributes(path);
  return found.error == err::kSuccess && (found.value & attr::kDirectory) == 0;
}

}  // namespace plat
