#include <gtest/gtest.h>

#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeClock.h"

namespace {

using namespace plat;
using attr::kArchive;
using attr::kDirectory;
using attr::kReadOnly;
using attr::kReparsePoint;

std::vector<std::string> Names(const std::vector<DirEntry>& entries) {
  std::vector<std::string> names;
  for (const DirEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(FakeFileSystemTest, NamesMatchWithoutRegardToCase) {
  FakeFileSystem fs;
  fs.AddFile("C:\\Programme\\Menü.TXT");
  EXPECT_TRUE(fs.Exists("c:\\PROGRAMME\\MENÜ.txt"));
  EXPECT_TRUE(fs.Exists("C:/programme/menü.txt"));
  EXPECT_FALSE(fs.Exists("C:\\programme\\menu.txt"));
  EXPECT_FALSE(fs.Exists("D:\\programme\\menü.txt"));
}

TEST(FakeFileSystemTest, EnumerationListsDotEntriesBelowTheRoot) {
  FakeFileSystem fs;
  fs.AddFile("C:\\d\\B.txt");
  fs.AddFile("C:\\d\\a.log");
  EXPECT_EQ(Names(fs.Enumerate("C:\\d\\*.*").entries),
            (std::vector<std::string>{".", "..", "a.log", "B.txt"}));
  EXPECT_EQ(Names(fs.Enumerate("C:\\*").entries), (std::vector<std::string>{"d"}));
}

TEST(FakeFileSystemTest, EnumerationAppliesTheMask) {
  FakeFileSystem fs;
  fs.AddFile("C:\\d\\B.TXT");
  fs.AddFile("C:\\d\\a.log");
  fs.AddFile("C:\\d\\noext");
  EXPECT_EQ(Names(fs.Enumerate("C:\\d\\*.txt").entries), (std::vector<std::string>{"B.TXT"}));
  EXPECT_EQ(Names(fs.Enumerate("C:\\d\\?.log").entries), (std::vector<std::string>{"a.log"}));
  EXPECT_EQ(Names(fs.Enumerate("C:\\d\\noext.*").entries), (std::vector<std::string>{"noext"}));
}

TEST(FakeFileSystemTest, EnumerationThatFindsNothingSaysWhy) {
  FakeFileSystem fs;
  fs.AddFile("C:\\d\\file");
  const std::pair<const char*, OsError> cases[] = {
      {"C:\\missing\\*.*", err::kPathNotFound},
      {"C:\\missing\\deeper\\*.*", err::kPathNotFound},
      {"Q:\\*.*", err::kPathNotFound},
      {"C:\\d\\file\\*.*", err::kDirectory},
      {"C:\\d\\*.none", err::kFileNotFound},
  };
  for (const auto& [pattern, error] : cases) {
    const Listing listing = fs.Enumerate(pattern);
    EXPECT_TRUE(listing.entries.empty()) << pattern;
    EXPECT_EQ(listing.error, error) << pattern;
  }
}

TEST(FakeFileSystemTest, FileWithoutAttributesReportsNormal) {
  FakeFileSystem fs;
  fs.AddFile("C:\\f", kReadOnly | kArchive);
  ASSERT_EQ(fs.SetAttributes("C:\\f", 0), 0u);
  EXPECT_EQ(fs.GetAttributes("C:\\f").value, attr::kNormal);
}

TEST(FakeFileSystemTest, SettingAttributesKeepsTheKindOfEntry) {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\d", kDirectory | kReadOnly);
  fs.AddFile("C:\\f");
  EXPECT_EQ(fs.SetAttributes("C:\\d", 0), 0u);
  EXPECT_EQ(fs.GetAttributes("C:\\d").value, kDirectory);
  EXPECT_EQ(fs.SetAttributes("C:\\f", kDirectory | kReadOnly), 0u);
  EXPECT_EQ(fs.GetAttributes("C:\\f").value, kReadOnly);
  EXPECT_EQ(fs.SetAttributes("C:\\missing", 0), err::kFileNotFound);
}

TEST(FakeFileSystemTest, DeletingRefusesWhatWindowsRefuses) {
  FakeFileSystem fs;
  fs.AddFile("C:\\d\\readonly", kReadOnly);
  fs.AddFile("C:\\d\\locked");
  fs.Lock("C:\\d\\locked");
  EXPECT_EQ(fs.RemoveFile("C:\\d\\readonly"), err::kAccessDenied);
  EXPECT_EQ(fs.RemoveFile("C:\\d\\locked"), err::kSharingViolation);
  EXPECT_EQ(fs.RemoveFile("C:\\d"), err::kAccessDenied);
  EXPECT_EQ(fs.RemoveFile("C:\\d\\missing"), err::kFileNotFound);
  EXPECT_EQ(fs.RemoveFile("C:\\missing\\file"), err::kPathNotFound);
  EXPECT_TRUE(fs.Exists("C:\\d\\readonly"));
  EXPECT_TRUE(fs.Exists("C:\\d\\locked"));
}

TEST(FakeFileSystemTest, RemovingDirectoriesRefusesWhatWindowsRefuses) {
  FakeFileSystem fs;
  fs.AddFile("C:\\full\\file");
  fs.AddDirectory("C:\\readonly", kDirectory | kReadOnly);
  fs.AddDirectory("C:\\locked");
  fs.Lock("C:\\locked");
  EXPECT_EQ(fs.RemoveDir("C:\\full"), err::kDirNotEmpty);
  EXPECT_EQ(fs.RemoveDir("C:\\full\\file"), err::kDirectory);
  EXPECT_EQ(fs.RemoveDir("C:\\readonly"), err::kAccessDenied);
  EXPECT_EQ(fs.RemoveDir("C:\\locked"), err::kSharingViolation);
  EXPECT_EQ(fs.RemoveDir("C:\\missing"), err::kFileNotFound);
  EXPECT_EQ(fs.RemoveDir("C:\\missing\\sub"), err::kPathNotFound);
  EXPECT_EQ(fs.RemoveDir("C:\\"), err::kAccessDenied);
}

TEST(FakeFileSystemTest, RemovesEmptyDirectory) {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\a\\b");
  EXPECT_EQ(fs.RemoveDir("c:\\A\\B\\"), 0u);
  EXPECT_FALSE(fs.Exists("C:\\a\\b"));
  EXPECT_TRUE(fs.Exists("C:\\a"));
}

TEST(FakeFileSystemTest, MakeDirNeedsParentAndFreeName) {
  FakeFileSystem fs;
  fs.AddFile("C:\\file");
  EXPECT_EQ(fs.MakeDir("C:\\new"), 0u);
  EXPECT_EQ(fs.GetAttributes("C:\\new").value, kDirectory);
  EXPECT_EQ(fs.MakeDir("C:\\NEW"), err::kAlreadyExists);
  EXPECT_EQ(fs.MakeDir("C:\\file"), err::kAlreadyExists);
  EXPECT_EQ(fs.MakeDir("C:\\missing\\new"), err::kPathNotFound);
}

class FakeLinkTest : public ::testing::Test {
 protected:
  FakeLinkTest() {
    fs.AddFile("C:\\outside\\keep.txt");
    fs.AddLink("C:\\tree\\link", "C:\\outside", true);
    fs.AddLink("C:\\tree\\filelink", "C:\\outside\\keep.txt", false);
  }
  FakeFileSystem fs;
};

TEST_F(FakeLinkTest, LinkReportsItsOwnAttributes) {
  EXPECT_EQ(fs.GetAttributes("C:\\tree\\link").value, kDirectory | kReparsePoint);
  EXPECT_EQ(fs.GetAttributes("C:\\tree\\filelink").value, kArchive | kReparsePoint);
}

TEST_F(FakeLinkTest, PathsThroughLinkReachTheTarget) {
  EXPECT_EQ(Names(fs.Enumerate("C:\\tree\\link\\*.*").entries),
            (std::vector<std::string>{".", "..", "keep.txt"}));
  EXPECT_EQ(fs.RemoveFile("C:\\tree\\link\\keep.txt"), 0u);
  EXPECT_FALSE(fs.Exists("C:\\outside\\keep.txt"));
}

TEST_F(FakeLinkTest, SettingAttributesReachesTheTarget) {
  EXPECT_EQ(fs.SetAttributes("C:\\tree\\link", kDirectory | kReadOnly), 0u);
  EXPECT_EQ(fs.GetAttributes("C:\\outside").value, kDirectory | kReadOnly);
}

TEST_F(FakeLinkTest, RemovingLinksLeavesTargets) {
  EXPECT_EQ(fs.RemoveDir("C:\\tree\\link"), 0u);
  EXPECT_EQ(fs.RemoveFile("C:\\tree\\filelink"), 0u);
  EXPECT_FALSE(fs.Exists("C:\\tree\\link"));
  EXPECT_FALSE(fs.Exists("C:\\tree\\filelink"));
  EXPECT_TRUE(fs.Exists("C:\\outside\\keep.txt"));
}

TEST_F(FakeLinkTest, LinkKindDecidesHowItIsRemoved) {
  EXPECT_EQ(fs.RemoveFile("C:\\tree\\link"), err::kAccessDenied);
  EXPECT_EQ(fs.RemoveDir("C:\\tree\\filelink"), err::kDirectory);
}

struct LinkChain {
  int fan;     // each link's target passes through this many links of the level below
  int levels;  // links l0 to l<levels - 1>; l0 leads to C:\d, which holds them all
  OsError removal;
};

// The system follows at most 63 links in one path, counted over all of them. Resolving each link's
// target on its own took time exponential in the levels of a fanning chain.
TEST(FakeFileSystemTest, LinksAreCountedOverTheWholePath) {
  const LinkChain cases[] = {
      {1, 63, err::kSuccess},              // 63 links followed
      {1, 64, err::kCantResolveFilename},  //
      {2, 6, err::kSuccess},               // 1 + 2 + 4 + 8 + 16 + 32 = 63
      {2, 7, err::kCantResolveFilename},   //
      {4, 40, err::kCantResolveFilename},  // 4^40 ways through
  };
  for (const LinkChain& c : cases) {
    SCOPED_TRACE(std::to_string(c.fan) + " x " + std::to_string(c.levels));
    FakeFileSystem fs;
    fs.AddFile("C:\\d\\file.txt");
    fs.AddLink("C:\\d\\l0", "C:\\d", true);
    for (int level = 1; level < c.levels; ++level) {
      std::string target = "C:\\d";
      for (int i = 0; i < c.fan; ++i) target += "\\l" + std::to_string(level - 1);
      fs.AddLink("C:\\d\\l" + std::to_string(level), target, true);
    }
    EXPECT_EQ(fs.RemoveFile("C:\\d\\l" + std::to_string(c.levels - 1) + "\\file.txt"), c.removal);
  }
}

TEST(FakeFileSystemTest, FailureHitsOnlyItsOperationAndPath) {
  FakeFileSystem fs;
  fs.AddFile("C:\\d\\a");
  fs.AddFile("C:\\d\\b");
  fs.FailOn(FsOp::kRemoveFile, "c:\\D\\A", 1234);
  fs.FailOn(FsOp::kEnumerate, "C:\\d", 5);
  EXPECT_EQ(fs.RemoveFile("C:\\d\\a"), 1234u);
  EXPECT_TRUE(fs.Exists("C:\\d\\a"));
  EXPECT_EQ(fs.GetAttributes("C:\\d\\a").value, kArchive);
  EXPECT_EQ(fs.Enumerate("C:\\d\\*.*").error, 5u);
  EXPECT_EQ(fs.RemoveFile("C:\\d\\b"), 0u);
  fs.ClearFailures();
  EXPECT_EQ(fs.RemoveFile("C:\\d\\a"), 0u);
}

TEST(FakeFileSystemTest, CountsCallsPerOperation) {
  FakeFileSystem fs;
  fs.GetAttributes("C:\\x");
  fs.GetAttributes("C:\\y");
  fs.Enumerate("C:\\*.*");
  EXPECT_EQ(fs.Calls(FsOp::kGetAttributes), 2u);
  EXPECT_EQ(fs.Calls(FsOp::kEnumerate), 1u);
  EXPECT_EQ(fs.Calls(FsOp::kRemoveFile), 0u);
}

TEST(FakeFileSystemTest, FailsTheNthCallAlone) {
  FakeFileSystem fs;
  fs.AddFile("C:\\d\\a");
  fs.FailCall(3, err::kCrc);
  const OsError answers[] = {fs.GetAttributes("C:\\d\\a").error, fs.Enumerate("C:\\d\\*").error,
                             fs.GetAttributes("c:\\D\\A").error, fs.GetAttributes("C:\\d\\a").error};
  EXPECT_EQ(std::vector<OsError>(std::begin(answers), std::end(answers)),
            (std::vector<OsError>{0, 0, err::kCrc, 0}));
  EXPECT_EQ(fs.TotalCalls(), 4u);
}

TEST(FakeFileSystemTest, LongPathNameSpellsComponentsAsCreated) {
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Users\\Anna\\Temp");
  EXPECT_EQ(fs.LongPathName("c:\\users\\ANNA\\temp\\"), "c:\\Users\\Anna\\Temp\\");
  EXPECT_EQ(fs.LongPathName("C:\\users\\anna\\temp"), "C:\\Users\\Anna\\Temp");
  EXPECT_EQ(fs.LongPathName("C:\\users\\missing\\"), std::nullopt);
}

// Another program holds C:\d\held for a second; C:\d\other is free.
class FakeHeldEntryTest : public ::testing::TestWithParam<HolderShares> {
 protected:
  FakeHeldEntryTest() {
    fs.AddFile("C:\\d\\held");
    fs.Hold("C:\\d\\held", std::chrono::seconds(1), GetParam());
  }
  bool Listed() {
    for (const DirEntry& e : fs.Enumerate("C:\\d\\*").entries) {
      if (e.name == "held") return true;
    }
    return false;
  }
  FakeClock clock;
  FakeFileSystem fs{clock};
};

TEST_P(FakeHeldEntryTest, HolderRefusesOrDefersTheDeleteUntilItLetsGo) {
  const bool shared = GetParam() == HolderShares::kDelete;
  // With delete sharing the delete succeeds at once and the entry stays, pending.
  EXPECT_EQ(fs.RemoveFile("C:\\d\\held"), shared ? err::kSuccess : err::kSharingViolation);
  EXPECT_EQ(fs.RemoveDir("C:\\d"), shared ? err::kDeletePending : err::kDirNotEmpty);
  fs.AddFile("C:\\d\\other");
  EXPECT_EQ(fs.RemoveDir("C:\\d"), err::kDirNotEmpty);
  EXPECT_TRUE(Listed());
  EXPECT_TRUE(fs.Exists("C:\\d\\held"));
  if (shared) {
    EXPECT_EQ(fs.RemoveFile("C:\\d\\held"), err::kDeletePending);
    EXPECT_EQ(fs.SetAttributes("C:\\d\\held", 0), err::kDeletePending);
    EXPECT_EQ(fs.GetAttributes("C:\\d\\held").error, err::kDeletePending);
  }

  clock.Wait(std::chrono::milliseconds(999));
  EXPECT_TRUE(Listed());
  clock.Wait(std::chrono::milliseconds(1));
  // A pending entry leaves with its holder; a refused one can go now.
  EXPECT_EQ(Listed(), !shared);
  EXPECT_EQ(fs.RemoveFile("C:\\d\\held"), shared ? err::kFileNotFound : err::kSuccess);
  EXPECT_FALSE(fs.Exists("C:\\d\\held"));
  EXPECT_EQ(fs.RemoveFile("C:\\d\\other"), err::kSuccess);
  EXPECT_EQ(fs.RemoveDir("C:\\d"), err::kSuccess);
}

INSTANTIATE_TEST_SUITE_P(Sharing, FakeHeldEntryTest,
                         ::testing::Values(HolderShares::kNoDelete, HolderShares::kDelete));

TEST(FakeFileSystemTest, HeldDirectoryAndWhatTakesAPendingEntrysPlace) {
  FakeClock clock;
  FakeFileSystem fs{clock};
  fs.AddDirectory("C:\\d\\sub");
  fs.Hold("C:\\d\\sub", std::chrono::seconds(1), HolderShares::kDelete);
  EXPECT_EQ(fs.RemoveDir("C:\\d\\sub"), err::kSuccess);
  EXPECT_EQ(fs.RemoveDir("C:\\d"), err::kDeletePending);
  clock.Wait(std::chrono::seconds(1));
  EXPECT_EQ(fs.MakeDir("C:\\d\\sub"), err::kSuccess);
  EXPECT_EQ(fs.GetAttributes("C:\\d\\sub").value, kDirectory);
  // Without a clock, time stands still: a hold of a second never ends.
  FakeFileSystem still;
  still.AddFile("C:\\f");
  still.Hold("C:\\f", std::chrono::seconds(1));
  EXPECT_EQ(still.RemoveFile("C:\\f"), err::kSharingViolation);
}

}  // namespace
