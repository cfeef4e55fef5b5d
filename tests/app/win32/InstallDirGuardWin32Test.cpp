// The guard on the real system: the folders Windows reports, its own path resolution and the
// short names its file system keeps.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/InstallDirGuard.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Platform.h"

namespace {

using app::InstallDirRefusal;
using plat::KnownFolder;
using R = InstallDirRefusal;

app::InstallDirVerdict Judge(const std::string& value) {
  plat::Platform& system = plat::Win32Platform();
  return app::JudgeInstallDir(value, system.fs, system.folders);
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Slashed(std::string text) {
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
  return text;
}

std::string ShortName(const std::string& path) {
  const std::wstring wide = plat::Widen(path);
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetShortPathNameW(wide.c_str(), buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? plat::Narrow(std::wstring_view(buffer, length)) : path;
}

TEST(InstallDirGuardWin32Test, RefusesTheSystemsFoldersInEverySpelling) {
  for (const KnownFolder folder : plat::kKnownFolders) {
    const std::optional<std::string> path = plat::Win32Platform().folders.Find(folder);
    ASSERT_TRUE(path) << static_cast<int>(folder);
    for (const std::string& spelling : {*path, Upper(*path), Slashed(*path), ShortName(*path),
                                        *path + "\\.\\", *path + "\\x\\.."}) {
      EXPECT_EQ(Judge(spelling).refusal, R::kProtected) << spelling;
    }
    const std::string below = *path + (path->back() == '\\' ? "" : "\\") + "Trelvia";
    EXPECT_EQ(Judge(below).Accepted(), folder != KnownFolder::kWindows) << below;
  }
}

// The spellings the issue was found with, through the system's own resolution.
TEST(InstallDirGuardWin32Test, ResolvesAsTheSystemDoes) {
  const struct {
    const char* value;
    InstallDirRefusal refusal;
    const char* dir = "";
  } cases[] = {
      {"C:\\.", R::kRoot},
      {"C:\\Programme\\..", R::kRoot},
      {"C:\\windows", R::kProtected},
      {"C:\\users", R::kProtected},  // holds the profiles
      {"C:/Programme/Trelvia", R::kNone, "C:\\Programme\\Trelvia"},
  };
  for (const auto& c : cases) {
    const app::InstallDirVerdict verdict = Judge(c.value);
    EXPECT_EQ(verdict.refusal, c.refusal) << c.value;
    EXPECT_EQ(verdict.dir, c.dir) << c.value;
  }
}

}  // namespace
