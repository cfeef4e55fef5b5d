// File-system helpers of the uninstaller: emptying a directory tree, finding the temp directory
// the installer used, and the directory test both share.
#pragma once

#include <string>
#include <string_view>

#include "app/util/RetryPolicy.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace app {

// Deletes the files in `dir` (which ends in "\") matching `mask`, clearing their attributes when
// a first attempt fails; files that still resist stay silently. With `recursive`, then empties and
// removes every sub-directory that is neither hidden nor system, and raises base::EInOutError with
// the system's code for the first one that stays. Links are removed as links, never entered.
// Entries that another program holds are waited for as `retry` allows; without it, not at all.
void DeleteFiles(plat::FileSystem& fs, std::string_view dir, std::string_view mask, bool recursive,
                 RetryPolicy& retry);
void DeleteFiles(plat::FileSystem& fs, std::string_view dir, std::string_view mask, bool recursive);

// Empties `dir` (no "\" at its end) as DeleteFiles with "*.*" does, then removes it; raises
// base::EInOutError with the system's code when it stays.
void RemoveTree(plat::FileSystem& fs, const std::string& dir, RetryPolicy& retry);

// The directory named by the "temp" variable, in its long form and ending in "\" (also when the
// query about it fails for another reason than "not found"); else "c:\temp\", created when
// missing. Raises base::Exception "Cannot create c:\temp" when neither exists and the directory
// cannot be created.
std::string GetTempDir(plat::FileSystem& fs, plat::Environment& env);

bool IsExistingDirectory(plat::FileSystem& fs, std::string_view path);

}  // namespace app
