// The installation directory as Windows resolves it, judged before anything below it is removed:
// the removal cannot be undone, so a value that would aim it at a drive, a device or a folder of
// Windows or of the user is refused.
#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/KnownFolders.h"

namespace app {

enum class InstallDirRefusal {
  kNone,
  kEmpty,        // no value: no settings file or no "directory" key
  kNotAbsolute,  // relative, drive-relative ("C:x") or root-relative ("\x")
  kRoot,         // the root of a drive or of a share, or a share path lacking server or share
  kDevice,       // a device path ("\\.\pipe\x", "\\?\Volume{...}\") or a reserved device name
  kBadName,      // a name Windows would change or cannot hold, or a path it cannot resolve
  kProtected,    // a folder of Windows or of the user, below the Windows directory, or above any;
                 // also any value while such a folder cannot be resolved
};

struct InstallDirVerdict {
  InstallDirRefusal refusal = InstallDirRefusal::kNone;
  // The canonical path, without a trailing separator, that every stage works on; empty when
  // refused.
  std::string dir;

  bool Accepted() const { return refusal == InstallDirRefusal::kNone; }
};

// Judges the settings file's value as written, resolves it as Windows would (the file system's
// FullPathName; a "\\?\" path as it stands), and compares the result with the known folders on
// whole segments without regard to case, short (8.3) names expanded where they exist.
InstallDirVerdict JudgeInstallDir(std::string_view value, plat::FileSystem& fs,
                                  plat::KnownFolders& folders);

}  // namespace app
