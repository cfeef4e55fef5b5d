#include "platform/FileSystem.h"

namespace plat {

std::vector<DirEntry> FindEntries(FileSystem& fs, std::string_view pattern, std::uint32_t filter) {
  constexpr std::uint32_t kExcludable =
      attr::kHidden | attr::kSystem | attr::kVolumeLabel | attr::kDirectory;
  const std::uint32_t excluded = ~filter & kExcludable;
  std::vector<DirEntry> entries = fs.Enumerate(pattern);
  std::erase_if(entries, [excluded](const DirEntry& e) { return (e.attributes & excluded) != 0; });
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
