// The folders that belong to Windows or to the user rather than to any program, as the system
// names them.
#pragma once

#include <optional>
#include <string>

namespace plat {

enum class KnownFolder {
  kWindows,
  kProgramFiles,
  kProgramFilesX86,
  kProgramFilesX64,
  kProgramData,
  kProfile,  // the user's profile root
  kDesktop,
  kDocuments,
  kDownloads,
  kTemp,  // the temp directory the system hands out
};
// Every one of them, for whoever goes through them all.
inline constexpr KnownFolder kKnownFolders[] = {
    KnownFolder::kWindows,         KnownFolder::kProgramFiles,
    KnownFolder::kProgramFilesX86, KnownFolder::kProgramFilesX64,
    KnownFolder::kProgramData,     KnownFolder::kProfile,
    KnownFolder::kDesktop,         KnownFolder::kDocuments,
    KnownFolder::kDownloads,       KnownFolder::kTemp};

class KnownFolders {
 public:
  virtual ~KnownFolders() = default;
  // The folder's path as the system reports it; nothing when it has none (a 32-bit process sees
  // no 64-bit Program Files).
  virtual std::optional<std::string> Find(KnownFolder folder) = 0;
};

}  // namespace plat
