#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include "platform/PathResolution.h"
#include "platform/win32/SystemString.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

namespace plat {

namespace {

using RtlGetLastNtStatusFunction = LONG(NTAPI*)();
constexpr LONG kStatusDeletePending = static_cast<LONG>(0xC0000056);

// Looked up once at start-up: a lookup right after a failed call could overwrite the status it is
// meant to read.
const RtlGetLastNtStatusFunction rtlGetLastNtStatus =
    reinterpret_cast<RtlGetLastNtStatusFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetLastNtStatus")));

// Windows answers access denied for an entry whose delete is pending, as for a read-only one; the
// status of the system call underneath tells them apart, and only the first goes away by itself.
OsError LastError() {
  const DWORD code = GetLastError();
  if (code == ERROR_ACCESS_DENIED && rtlGetLastNtStatus &&
      rtlGetLastNtStatus() == kStatusDeletePending) {
    return ERROR_DELETE_PENDING;
  }
  return static_cast<OsError>(code);
}

OsError Result(BOOL ok) {
  return ok ? err::kSuccess : LastError();
}

// The longest path the file functions take as it stands: MAX_PATH, less the 12 characters that
// CreateDirectoryW keeps for an 8.3 name below the directory.
constexpr std::size_t kPlainPathLimit = MAX_PATH - 12;

std::optional<std::string> SystemFullPath(const std::wstring& path) {
  return ReadSystemString([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
  });
}

// The one place where a path becomes what the W functions take. Beyond the limit they reach a
// path only in its "\\?\" form (a manifest that declares long paths works only where the machine
// allows them), which is made of the full path the system makes of the path anyway.
std::wstring SystemPath(std::string_view path) {
  std::wstring wide = Widen(path);
  if (wide.size() < kPlainPathLimit || IsVerbatimPath(path)) return wide;
  const std::optional<std::string> full = SystemFullPath(wide);
  return full ? Widen(ExtendedPath(*full)) : wide;
}

std::string Join(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path.append(name);
}

}  // namespace

Listing Win32FileSystem::Enumerate(std::string_view pattern) {
  Listing listing;
  WIN32_FIND_DATAW data;
  // The basic information level skips the short names, which nothing here reads.
  UniqueFindHandle find(FindFirstFileExW(SystemPath(pattern).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
  if (!find) {
    listing.error = LastError();
    return listing;
  }
  do {
    listing.entries.push_back(
        {Narrow(data.cFileName), static_cast<std::uint32_t>(data.dwFileAttributes)});
  } while (FindNextFileW(find.Get(), &data));
  // A listing that broke off is no whole listing.
  if (const OsError code = LastError(); code != ERROR_NO_MORE_FILES) listing.error = code;
  return listing;
}

OsError Win32FileSystem::RemoveFile(std::string_view path) {
  return Result(DeleteFileW(SystemPath(path).c_str()));
}

OsError Win32FileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  return Result(SetFileAttributesW(SystemPath(path).c_str(), attributes));
}

OsError Win32FileSystem::RemoveDir(std::string_view path) {
  const OsError code = Result(RemoveDirectoryW(SystemPath(path).c_str()));
  if (code == ERROR_DIR_NOT_EMPTY && OnlyPendingEntries(path)) return ERROR_DELETE_PENDING;
  return code;
}

// Windows refuses even an attribute query on an entry whose delete is pending. Wine 8 answers it
// as for any other entry (and keeps the entry listed until its holder lets go), so there this
// never finds one.
bool Win32FileSystem::OnlyPendingEntries(std::string_view dir) {
  bool pending = false;
  const Listing listing = Enumerate(Join(dir, "*"));
  if (listing.error != err::kSuccess) return false;
  for (const DirEntry& entry : listing.entries) {
    if (entry.name == "." || entry.name == "..") continue;
    if (GetFileAttributesW(SystemPath(Join(dir, entry.name)).c_str()) != INVALID_FILE_ATTRIBUTES ||
        LastError() != ERROR_DELETE_PENDING) {
      return false;
    }
    pending = true;
  }
  return pending;
}

OsError Win32FileSystem::MakeDir(std::string_view path) {
  return Result(CreateDirectoryW(SystemPath(path).c_str(), nullptr));
}

Attributes Win32FileSystem::GetAttributes(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Attributes{0, LastError()};
  return Attributes{static_cast<std::uint32_t>(attributes), err::kSuccess};
}

std::optional<std::string> Win32FileSystem::LongPathName(std::string_view path) {
  const std::wstring wide = SystemPath(path);
  return ReadSystemString(
      [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(wide.c_str(), buffer, size); });
}

std::optional<std::string> Win32FileSystem::FullPathName(std::string_view path) {
  return SystemFullPath(Widen(path));
}

}  // namespace plat
