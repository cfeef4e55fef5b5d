#include <gtest/gtest.h>

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/fake/FakeFileSystem.h"

namespace {

using plat::attr::kArchive;
using plat::attr::kDirectory;
using plat::attr::kHidden;
using plat::attr::kReadOnly;
using plat::attr::kSystem;
using plat::attr::kVolumeLabel;

std::vector<std::string> Names(const std::vector<plat::DirEntry>& entries) {
  std::vector<std::string> names;
  for (const plat::DirEntry& e : entries) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

class FindEntriesTest : public ::testing::Test {
 protected:
  FindEntriesTest() {
    fs.AddFile("C:\\d\\plain", kArchive);
    fs.AddFile("C:\\d\\readonly", kReadOnly);
    fs.AddFile("C:\\d\\hidden", kHidden);
    fs.AddFile("C:\\d\\system", kSystem);
    fs.AddFile("C:\\d\\label", kVolumeLabel);
    fs.AddDirectory("C:\\d\\sub");
    fs.AddDirectory("C:\\d\\hiddensub", kDirectory | kHidden);
    fs.AddDirectory("C:\\d\\systemsub", kDirectory | kSystem);
  }
  plat::FakeFileSystem fs;
};

TEST_F(FindEntriesTest, AnyFileFilterTakesEveryEntryButDirectories) {
  EXPECT_EQ(Names(plat::FindEntries(fs, "C:\\d\\*.*", plat::attr::kAnyFile).entries),
            (std::vector<std::string>{"hidden", "label", "plain", "readonly", "system"}));
}

TEST_F(FindEntriesTest, DirectoryFilterTakesDirectoriesAndOrdinaryFiles) {
  EXPECT_EQ(Names(plat::FindEntries(fs, "C:\\d\\*.*", plat::attr::kDirectoryFilter).entries),
            (std::vector<std::string>{".", "..", "plain", "readonly", "sub"}));
}

TEST_F(FindEntriesTest, HiddenFilterAdmitsHiddenEntriesOnly) {
  EXPECT_EQ(
      Names(plat::FindEntries(fs, "C:\\d\\*.*", kDirectory | kHidden).entries),
      (std::vector<std::string>{".", "..", "hidden", "hiddensub", "plain", "readonly", "sub"}));
}

TEST(FileSystemHelpersTest, DirectoryTest) {
  plat::FakeFileSystem fs;
  fs.AddFile("C:\\dir\\file");
  fs.AddLink("C:\\link", "C:\\dir", true);
  EXPECT_TRUE(plat::IsExistingDirectory(fs, "C:\\dir"));
  EXPECT_TRUE(plat::IsExistingDirectory(fs, "c:\\DIR\\"));
  EXPECT_TRUE(plat::IsExistingDirectory(fs, "C:\\link"));
  EXPECT_FALSE(plat::IsExistingDirectory(fs, "C:\\dir\\file"));
  EXPECT_FALSE(plat::IsExistingDirectory(fs, "C:\\missing"));
  EXPECT_FALSE(plat::IsExistingDirectory(fs, ""));
}

TEST(FileSystemHelpersTest, OnlyNotFoundMeansAbsent) {
  plat::FakeFileSystem fs;
  fs.AddFile("C:\\dir\\file");
  fs.FailOn(plat::FsOp::kGetAttributes, "C:\\denied", plat::err::kAccessDenied);
  fs.FailOn(plat::FsOp::kGetAttributes, "C:\\bad", plat::err::kCrc);
  const std::pair<const char*, plat::Presence> cases[] = {
      {"C:\\dir", plat::Presence::kPresent},       {"C:\\dir\\file", plat::Presence::kAbsent},
      {"C:\\missing", plat::Presence::kAbsent},    {"C:\\missing\\x", plat::Presence::kAbsent},
      {"C:\\denied", plat::Presence::kUnknown},    {"C:\\bad", plat::Presence::kUnknown},
  };
  for (const auto& [path, presence] : cases) {
    EXPECT_EQ(plat::DirectoryPresence(fs, path), presence) << path;
  }
}

TEST(FileSystemHelpersTest, FileExistsOnlyForNonDirectories) {
  plat::FakeFileSystem fs;
  fs.AddFile("C:\\dir\\file", 0);
  EXPECT_TRUE(plat::FileExists(fs, "C:\\dir\\file"));
  EXPECT_FALSE(plat::FileExists(fs, "C:\\dir"));
  EXPECT_FALSE(plat::FileExists(fs, "C:\\dir\\other"));
  EXPECT_FALSE(plat::FileExists(fs, ""));
}

}  // namespace
