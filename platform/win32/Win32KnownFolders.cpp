#include "platform/win32/Win32KnownFolders.h"

#include <windows.h>
// The shell's headers take the system's types from above.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/win32/SystemFunction.h"
#include "platform/win32/SystemString.h"
#include "platform/win32/UniqueHandle.h"

namespace plat {

namespace {

const KNOWNFOLDERID* Id(KnownFolder folder) {
  switch (folder) {
    case KnownFolder::kWindows:
      return &FOLDERID_Windows;
    case KnownFolder::kProgramFiles:
      return &FOLDERID_ProgramFiles;
    case KnownFolder::kProgramFilesX86:
      return &FOLDERID_ProgramFilesX86;
    case KnownFolder::kProgramFilesX64:
      return &FOLDERID_ProgramFilesX64;
    case KnownFolder::kProgramData:
      return &FOLDERID_ProgramData;
    case KnownFolder::kProfile:
      return &FOLDERID_Profile;
    case KnownFolder::kDesktop:
      return &FOLDERID_Desktop;
    case KnownFolder::kDocuments:
      return &FOLDERID_Documents;
    case KnownFolder::kDownloads:
      return &FOLDERID_Downloads;
    case KnownFolder::kTemp:
      break;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> Win32KnownFolders::Find(KnownFolder folder) {
  // The temp directory is no shell folder: the system hands it out from TMP, TEMP or the profile.
  const KNOWNFOLDERID* id = Id(folder);
  if (id == nullptr) {
    return ReadSystemString([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
  }
  using SHGetKnownFolderPathFunction = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
  static const auto getPath =
      SystemFunction<SHGetKnownFolderPathFunction>(L"shell32.dll", "SHGetKnownFolderPath");
  if (getPath == nullptr) return std::nullopt;
  // Given back also on failure, as the function's contract asks.
  UniqueShellString path;
  if (FAILED(getPath(*id, KF_FLAG_DONT_VERIFY, nullptr, path.Receive()))) return std::nullopt;
  return Narrow(path.Get());
}

}  // namespace plat
