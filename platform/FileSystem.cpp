#include "platform/FileSystem.h"

namespace plat {

bool PassesFilter(const DirEntry& entry, std::uint32_t filter) {
  constexpr std::uint32_t kExcludable =
      attr::kHidden | attr::kSystem | attr::kVolumeLabel | attr::kDirectory;
  return (entry.attributes & ~filter & kExcludable) == 0;
}

std::vector<DirEntry> FindEntries(FileSystem& fs, std::string_view pattern, std::uint32_t filter) {
  std::vector<DirEntry> entries = fs.Enumerate(pattern);
  std::erase_if(entries, [filter](const DirEntry& e) { return !PassesFilter(e, filter); });
  return entries;
}

bool IsExistingDirectory(FileSystem& fs, std::string_view path) {
  if (path.empty()) return false;
  const std::optional<std::uint32_t> attributes = fs.GetAttributes(path);
  return attributes && (*attributes & attr::kDirectory) != 0;
}

bool FileExists(FileSystem& fs, std::string_view path) {
  if (path.empty()) return false;
  const std::optional<std::uint32_t> attributes = fs.GetAttributes(path);
  return attributes && (*attributes & attr::kDirectory) == 0;
}

}  // namespace plat
