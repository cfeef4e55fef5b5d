#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include "platform/win32/SystemString.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

namespace plat {

namespace {

OsError Result(BOOL ok) {
  return ok ? err::kSuccess : static_cast<OsError>(GetLastError());
}

}  // namespace

std::vector<DirEntry> Win32FileSystem::Enumerate(std::string_view pattern) {
  std::vector<DirEntry> entries;
  WIN32_FIND_DATAW data;
  // The basic information level skips the short names, which nothing here reads.
  UniqueFindHandle find(FindFirstFileExW(Widen(pattern).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return entries;
  do {
    entries.push_back({Narrow(data.cFileName), static_cast<std::uint32_t>(data.dwFileAttributes)});
  } while (FindNextFileW(find.Get(), &data));
  return entries;
}

OsError Win32FileSystem::RemoveFile(std::string_view path) {
  return Result(DeleteFileW(Widen(path).c_str()));
}

OsError Win32FileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  return Result(SetFileAttributesW(Widen(path).c_str(), attributes));
}

OsError Win32FileSystem::RemoveDir(std::string_view path) {
  return Result(RemoveDirectoryW(Widen(path).c_str()));
}

OsError Win32FileSystem::MakeDir(std::string_view path) {
  return Result(CreateDirectoryW(Widen(path).c_str(), nullptr));
}

std::optional<std::uint32_t> Win32FileSystem::GetAttributes(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return static_cast<std::uint32_t>(attributes);
}

std::optional<std::string> Win32FileSystem::LongPathName(std::string_view path) {
  const std::wstring wide = Widen(path);
  return ReadSystemString(
      [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(wide.c_str(), buffer, size); });
}

std::optional<std::string> Win32FileSystem::FullPathName(std::string_view path) {
  const std::wstring wide = Widen(path);
  return ReadSystemString([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
  });
}

}  // namespace plat
