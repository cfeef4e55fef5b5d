// The file system as the program sees it: a handful of primitives that map one to one onto
// system calls, and the helpers built on them. Paths are Windows paths in UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/OsError.h"

namespace plat {

namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kVolumeLabel = 0x8;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;  // reported for a file without any other attribute
inline constexpr std::uint32_t kReparsePoint = 0x400;
// The runtime's enumeration filters: every entry but directories, and directories with files.
inline constexpr std::uint32_t kAnyFile = 47;
inline constexpr std::uint32_t kDirectoryFilter = kDirectory;
}  // namespace attr

struct DirEntry {
  std::string name;
  std::uint32_t attributes = 0;
};

// A listing: the entries found, and the system's error when it could not list or broke off
// (what it found before that stays).
struct Listing {
  std::vector<DirEntry> entries;
  OsError error = err::kSuccess;
};

// An attribute query's answer: the attributes, or the system's error and no attributes.
struct Attributes {
  std::uint32_t value = 0;
  OsError error = err::kSuccess;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Every entry matching `pattern`, a directory followed by a wildcard mask ("C:\x\*.*"), in the
  // system's order and including "." and "..". A missing directory lists nothing and answers
  // kPathNotFound; a mask that matches nothing answers kFileNotFound.
  virtual Listing Enumerate(std::string_view pattern) = 0;
  virtual OsError RemoveFile(std::string_view path) = 0;
  virtual OsError SetAttributes(std::string_view path, std::uint32_t attributes) = 0;
  virtual OsError RemoveDir(std::string_view path) = 0;
  virtual OsError MakeDir(std::string_view path) = 0;
  // kFileNotFound or kPathNotFound when there is no such entry.
  virtual Attributes GetAttributes(std::string_view path) = 0;
  // The path with every short (8.3) component expanded; nothing when the conversion fails.
  virtual std::optional<std::string> LongPathName(std::string_view path) = 0;
  // The full path the system makes of `path` before it acts on it (GetFullPathNameW: see
  // platform/PathResolution.h); nothing when it cannot. Relative paths take the current
  // directory, which the fakes do not have: they resolve absolute paths only.
  virtual std::optional<std::string> FullPathName(std::string_view path) = 0;
};

// The runtime's enumeration filter: an entry is left out when it carries any of hidden, system,
// volume label or directory that `filter` lacks. Other attributes never exclude an entry.
bool PassesFilter(const DirEntry& entry, std::uint32_t filter);
// The runtime's filtered enumeration.
Listing FindEntries(FileSystem& fs, std::string_view pattern, std::uint32_t filter);

// What a directory test found. A query that fails for any reason but "not found" tells nothing of
// what is there: that is kUnknown, never kAbsent.
enum class Presence {
  kAbsent,  // nothing there, or something that is not a directory
  kPresent,
  kUnknown,
};
Presence DirectoryPresence(FileSystem& fs, std::string_view path);
bool IsExistingDirectory(FileSystem& fs, std::string_view path);
// True for an existing entry that is not a directory.
bool FileExists(FileSystem& fs, std::string_view path);

constexpr bool IsLink(const DirEntry& entry) {
  return (entry.attributes & attr::kReparsePoint) != 0;
}

}  // namespace plat
