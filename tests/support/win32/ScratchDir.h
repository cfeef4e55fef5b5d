// A fresh directory under the user's temp directory for tests on real files, removed with all it
// holds when the test ends. Links inside are removed, never followed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/Utf16.h"

namespace testsupport {

inline void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = dir + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (!RemoveDirectoryW(path.c_str())) DeleteFileW(path.c_str());
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(dir.c_str());
}

class ScratchDir {
 public:
  ScratchDir() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    static int counter = 0;
    const std::wstring base(temp, length);
    for (;;) {
      path_ = base + L"zova_test_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
              std::to_wstring(++counter);
      if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
  }
  ~ScratchDir() { RemoveTree(path_); }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The directory, ending in "\".
  std::string Dir() const { return plat::Narrow(path_) + "\\"; }
  std::string Path(std::string_view relative) const { return Dir() + std::string(relative); }

  // Writes a file (and its missing parents), then gives it `attributes`.
  void AddFile(std::string_view relative, DWORD attributes = FILE_ATTRIBUTE_ARCHIVE) const {
    MakeParents(relative);
    const std::wstring path = plat::Widen(Path(relative));
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, "data", 4, &written, nullptr);
      CloseHandle(file);
    }
    SetFileAttributesW(path.c_str(), attributes);
  }
  void AddDirectory(std::string_view relative, DWORD attributes = FILE_ATTRIBUTE_DIRECTORY) const {
    MakeParents(relative);
    const std::wstring path = plat::Widen(Path(relative));
    CreateDirectoryW(path.c_str(), nullptr);
    SetFileAttributesW(path.c_str(), attributes);
  }
  bool Exists(std::string_view relative) const {
    return GetFileAttributesW(plat::Widen(Path(relative)).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  DWORD Attributes(std::string_view relative) const {
    return GetFileAttributesW(plat::Widen(Path(relative)).c_str());
  }

 private:
  void MakeParents(std::string_view relative) const {
    for (std::size_t pos = relative.find('\\'); pos != std::string_view::npos;
         pos = relative.find('\\', pos + 1)) {
      CreateDirectoryW(plat::Widen(Path(relative.substr(0, pos))).c_str(), nullptr);
    }
  }

  std::wstring path_;
};

}  // namespace testsupport
