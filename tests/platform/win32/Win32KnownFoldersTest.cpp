#include <gtest/gtest.h>

#include <string>

#include "platform/CaseFold.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32KnownFolders.h"

namespace {

using plat::KnownFolder;

std::string LastName(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path.substr(path.rfind('\\') + 1);
}

std::string Parent(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path.substr(0, path.rfind('\\'));
}

// Each folder is an existing directory with the name the folder goes by on an English system
// (which Wine's prefix is), so that no id stands for another folder.
TEST(Win32KnownFoldersTest, EachFolderIsTheOneItNames) {
  plat::Win32KnownFolders folders;
  plat::Win32FileSystem fs;
  const struct {
    KnownFolder folder;
    const char* name;
  } cases[] = {
      {KnownFolder::kWindows, "Windows"},
      {KnownFolder::kProgramFiles, "Program Files"},
      {KnownFolder::kProgramFilesX86, "Program Files (x86)"},
      {KnownFolder::kProgramFilesX64, "Program Files"},
      {KnownFolder::kProgramData, "ProgramData"},
      {KnownFolder::kDesktop, "Desktop"},
      {KnownFolder::kDocuments, "Documents"},
      {KnownFolder::kDownloads, "Downloads"},
      {KnownFolder::kTemp, "Temp"},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> path = folders.Find(c.folder);
    ASSERT_TRUE(path) << c.name;
    EXPECT_TRUE(plat::SameName(LastName(*path), c.name)) << *path;
    EXPECT_TRUE(plat::IsExistingDirectory(fs, *path)) << *path;
  }
  const std::optional<std::string> profile = folders.Find(KnownFolder::kProfile);
  ASSERT_TRUE(profile);
  EXPECT_TRUE(plat::SameName(*profile, Parent(*folders.Find(KnownFolder::kDesktop)))) << *profile;
}

}  // namespace
