// The operating system's error codes that the platform interfaces report and the fakes produce.
// Every primitive answers 0 for success or one of these (or any other code the system gives).
#pragma once

#include <cstdint>

namespace plat {

using OsError = std::uint32_t;

namespace err {
inline constexpr OsError kSuccess = 0;
inline constexpr OsError kFileNotFound = 2;
inline constexpr OsError kPathNotFound = 3;
inline constexpr OsError kAccessDenied = 5;
inline constexpr OsError kCrc = 23;  // a data error: a sector that does not read back
inline constexpr OsError kSharingViolation = 32;
inline constexpr OsError kDirNotEmpty = 145;
inline constexpr OsError kAlreadyExists = 183;
inline constexpr OsError kDirectory = 267;  // the name is not a directory
// The entry is deleted but stays until another process closes it; for a directory, every entry
// left in it is in that state. Windows itself reports access denied (5) for the first.
inline constexpr OsError kDeletePending = 303;
inline constexpr OsError kResourceNameNotFound = 1814;
inline constexpr OsError kCantResolveFilename = 1921;
}  // namespace err

// The system's answer that there is no such entry, or no directory on the way to it. Any other
// failure of a query says nothing of whether the entry is there.
constexpr bool IsNotFound(OsError code) {
  return code == err::kFileNotFound || code == err::kPathNotFound;
}

}  // namespace plat
