// How Windows turns a path into the full path its file functions act on: the rules of
// GetFullPathNameW as one pure function. The fake file system answers with it, and the Windows
// tests hold it against the system's own answers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat {

// The kinds Windows tells paths apart by, from their first characters ("/" counts as "\").
enum class PathKind {
  kRelative,         // "x", "" and anything else
  kDriveRelative,    // "C:x"
  kRooted,           // "\x", relative to the current drive's root
  kDriveAbsolute,    // "C:\x"
  kUnc,              // "\\server\share\x", also "\\.x"
  kLocalDevice,      // "\\.\x", "\\?\x"
  kRootLocalDevice,  // "\\." and "\\?" alone
};
PathKind ClassifyPath(std::string_view path);

// Whether a name is one of the devices every directory holds: CON, PRN, AUX, NUL, CONIN$,
// CONOUT$, COM1 to COM9 and LPT1 to LPT9 (the digits also as "¹", "²", "³"), in any case, alone or
// followed by spaces, an extension or ":".
bool IsDosDeviceName(std::string_view name);

// GetFullPathNameW's answer for an absolute path: "/" becomes "\", runs of separators collapse,
// "." and ".." segments go (".." never climbs above "C:\", "\\server\share\" or the "\\.\" and
// "\\?\" prefixes), one trailing dot of an inner segment and all trailing dots and spaces at the
// end go, and a drive path naming a device becomes "\\.\NAME". Nothing for relative kinds (they
// need a current directory) or beyond the system's 32,767 characters.
std::optional<std::string> ResolveFullPath(std::string_view path);

// Whether the file functions take `path` as it stands: "\\?\" exactly, with backslashes, hands
// the rest to the file system without any of the rules above.
bool IsVerbatimPath(std::string_view path);

// The "\\?\" form of a full path (as ResolveFullPath gives it), the only one the file functions
// take beyond MAX_PATH: "C:\x" as "\\?\C:\x", "\\server\share\x" as "\\?\UNC\server\share\x",
// "\\.\x" as "\\?\x". Being resolved already, it names what the path names. Anything else stays as
// it is.
std::string ExtendedPath(std::string_view fullPath);

}  // namespace plat
