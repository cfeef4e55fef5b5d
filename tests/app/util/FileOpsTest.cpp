#include <gtest/gtest.h>

#include "app/util/FileOps.h"
#include "base/Errors.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeFileSystem.h"

namespace {

using namespace plat;
using app::DeleteFiles;
using attr::kArchive;
using attr::kDirectory;
using attr::kHidden;
using attr::kReadOnly;
using attr::kSystem;

std::uint32_t RaisedCode(FakeFileSystem& fs, std::string_view dir, bool recursive) {
  try {
    DeleteFiles(fs, dir, "*.*", recursive);
  } catch (const base::EInOutError& e) {
    return e.ErrorCode();
  }
  ADD_FAILURE() << "no input/output error raised";
  return 0;
}

class DeleteFilesTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
};

TEST_F(DeleteFilesTest, MissingDirectoryDoesNothing) {
  EXPECT_NO_THROW(DeleteFiles(fs, "C:\\missing\\", "*.*", true));
  EXPECT_EQ(fs.Calls(FsOp::kRemoveFile) + fs.Calls(FsOp::kRemoveDir), 0u);
}

TEST_F(DeleteFilesTest, DeletesFilesWhateverTheirAttributes) {
  fs.AddFile("C:\\d\\plain", kArchive);
  fs.AddFile("C:\\d\\normal", 0);
  fs.AddFile("C:\\d\\readonly", kReadOnly);
  fs.AddFile("C:\\d\\hidden", kHidden);
  fs.AddFile("C:\\d\\system", kSystem | kHidden | kReadOnly);
  DeleteFiles(fs, "C:\\d\\", "*.*", false);
  EXPECT_EQ(fs.Enumerate("C:\\d\\*").entries.size(), 2u);  // "." and ".."
  EXPECT_TRUE(fs.Exists("C:\\d"));
}

TEST_F(DeleteFilesTest, MaskLimitsFilesAtEveryLevel) {
  fs.AddFile("C:\\d\\a.tmp");
  fs.AddFile("C:\\d\\keep.txt", kHidden);  // a plain file would be taken for a directory
  fs.AddFile("C:\\d\\sub\\b.tmp");
  DeleteFiles(fs, "C:\\d\\", "*.tmp", true);
  EXPECT_FALSE(fs.Exists("C:\\d\\a.tmp"));
  EXPECT_TRUE(fs.Exists("C:\\d\\keep.txt"));
  EXPECT_FALSE(fs.Exists("C:\\d\\sub"));
}

TEST_F(DeleteFilesTest, UndeletableFileStaysSilentlyWithoutRecursion) {
  fs.AddFile("C:\\d\\locked", kReadOnly);
  fs.AddFile("C:\\d\\other");
  fs.Lock("C:\\d\\locked");
  EXPECT_NO_THROW(DeleteFiles(fs, "C:\\d\\", "*.*", false));
  EXPECT_TRUE(fs.Exists("C:\\d\\locked"));
  EXPECT_FALSE(fs.Exists("C:\\d\\other"));
  // The second attempt came after the attributes were cleared.
  EXPECT_EQ(fs.GetAttributes("C:\\d\\locked").value, attr::kNormal);
}

TEST_F(DeleteFilesTest, SurvivingFileIsTakenForADirectoryAndRaises) {
  fs.AddFile("C:\\d\\locked");
  fs.Lock("C:\\d\\locked");
  EXPECT_EQ(RaisedCode(fs, "C:\\d\\", true), err::kDirectory);
  EXPECT_TRUE(fs.Exists("C:\\d\\locked"));
}

TEST_F(DeleteFilesTest, UndeletableFileInSubdirectoryRaisesForThatDirectory) {
  fs.AddFile("C:\\d\\sub\\locked");
  fs.Lock("C:\\d\\sub\\locked");
  fs.AddFile("C:\\d\\file");
  EXPECT_EQ(RaisedCode(fs, "C:\\d\\", true), err::kDirectory);
  EXPECT_TRUE(fs.Exists("C:\\d\\sub\\locked"));
  EXPECT_FALSE(fs.Exists("C:\\d\\file"));
}

TEST_F(DeleteFilesTest, DirectoryThatStaysRaisesItsCode) {
  fs.AddDirectory("C:\\d\\sub");
  fs.FailOn(FsOp::kRemoveDir, "C:\\d\\sub", err::kAccessDenied);
  EXPECT_EQ(RaisedCode(fs, "C:\\d\\", true), err::kAccessDenied);
}

TEST_F(DeleteFilesTest, RemovesWholeTreeIncludingProtectedDirectories) {
  fs.AddFile("C:\\d\\VLC\\plugins\\access\\lib.dll", kReadOnly);
  fs.AddFile("C:\\d\\VLC\\locale\\de\\LC_MESSAGES\\vlc.mo", kHidden);
  fs.AddDirectory("C:\\d\\VLC\\readonly", kDirectory | kReadOnly);
  fs.AddFile("C:\\d\\VLC\\readonly\\f");
  DeleteFiles(fs, "C:\\d\\", "*.*", true);
  EXPECT_FALSE(fs.Exists("C:\\d\\VLC"));
  EXPECT_TRUE(fs.Exists("C:\\d"));
}

TEST_F(DeleteFilesTest, HiddenAndSystemSubdirectoriesAreLeftAlone) {
  fs.AddDirectory("C:\\d\\hidden", kDirectory | kHidden);
  fs.AddFile("C:\\d\\hidden\\inner");
  fs.AddDirectory("C:\\d\\system", kDirectory | kSystem);
  fs.AddFile("C:\\d\\system\\inner");
  fs.AddDirectory("C:\\d\\plain");
  EXPECT_NO_THROW(DeleteFiles(fs, "C:\\d\\", "*.*", true));
  EXPECT_TRUE(fs.Exists("C:\\d\\hidden\\inner"));
  EXPECT_TRUE(fs.Exists("C:\\d\\system\\inner"));
  EXPECT_EQ(fs.GetAttributes("C:\\d\\hidden").value, kDirectory | kHidden);
  EXPECT_EQ(fs.GetAttributes("C:\\d\\system").value, kDirectory | kSystem);
  EXPECT_FALSE(fs.Exists("C:\\d\\plain"));
}

TEST_F(DeleteFilesTest, NonRecursiveLeavesSubdirectoriesAlone) {
  fs.AddFile("C:\\d\\sub\\inner");
  fs.AddDirectory("C:\\d\\empty");
  fs.AddFile("C:\\d\\top");
  fs.FailOn(FsOp::kRemoveDir, "C:\\d\\sub", err::kAccessDenied);
  EXPECT_NO_THROW(DeleteFiles(fs, "C:\\d\\", "*.*", false));
  EXPECT_TRUE(fs.Exists("C:\\d\\sub\\inner"));
  EXPECT_TRUE(fs.Exists("C:\\d\\empty"));
  EXPECT_FALSE(fs.Exists("C:\\d\\top"));
}

TEST_F(DeleteFilesTest, ErrorEndsEveryEnclosingCall) {
  fs.AddFile("C:\\d\\a\\inner\\locked");
  fs.Lock("C:\\d\\a\\inner\\locked");
  fs.AddFile("C:\\d\\a\\z\\file");
  fs.AddFile("C:\\d\\b\\file");
  EXPECT_THROW(DeleteFiles(fs, "C:\\d\\", "*.*", true), base::EInOutError);
  // "a\inner" fails first; "a\z" and "b" come later in the enumeration and are never reached.
  EXPECT_TRUE(fs.Exists("C:\\d\\a\\z\\file"));
  EXPECT_TRUE(fs.Exists("C:\\d\\b\\file"));
}

TEST_F(DeleteFilesTest, ListsEachDirectoryOnceAndWritesOnlyAttributesToClear) {
  struct Case {
    const char* mask;
    std::size_t listingsPerDirectory;
  };
  for (const Case& c : {Case{"*.*", 1}, Case{"*", 1}, Case{"*.dat", 2}}) {
    FakeFileSystem tree;
    tree.AddFile("C:\\d\\a\\1.dat");
    tree.AddFile("C:\\d\\a\\2.dat", kReadOnly);
    tree.AddDirectory("C:\\d\\b", kDirectory | kReadOnly);
    tree.AddFile("C:\\d\\b\\c\\3.dat");
    DeleteFiles(tree, "C:\\d\\", c.mask, true);
    EXPECT_FALSE(tree.Exists("C:\\d\\a")) << c.mask;
    EXPECT_FALSE(tree.Exists("C:\\d\\b")) << c.mask;
    EXPECT_EQ(tree.Calls(FsOp::kEnumerate), c.listingsPerDirectory * 4u) << c.mask;  // d, a, b, c
    EXPECT_EQ(tree.Calls(FsOp::kGetAttributes), 0u) << c.mask;
    // The read-only file and the read-only directory; nothing for the others.
    EXPECT_EQ(tree.Calls(FsOp::kSetAttributes), 2u) << c.mask;
  }
}

class DeleteFilesLinkTest : public DeleteFilesTest {
 protected:
  DeleteFilesLinkTest() {
    fs.AddFile("C:\\outside\\keep.txt", kReadOnly);
    fs.AddDirectory("C:\\outside\\sub");
  }
  void ExpectOutsideUntouched() {
    EXPECT_TRUE(fs.Exists("C:\\outside\\keep.txt"));
    EXPECT_TRUE(fs.Exists("C:\\outside\\sub"));
    EXPECT_EQ(fs.GetAttributes("C:\\outside\\keep.txt").value, kReadOnly);
    EXPECT_EQ(fs.GetAttributes("C:\\outside").value, kDirectory);
  }
};

TEST_F(DeleteFilesLinkTest, DirectoryLinkIsRemovedButNeverEntered) {
  fs.AddFile("C:\\tree\\file");
  fs.AddLink("C:\\tree\\sub\\link", "C:\\outside", true);
  DeleteFiles(fs, "C:\\tree\\", "*.*", true);
  EXPECT_FALSE(fs.Exists("C:\\tree\\sub"));
  ExpectOutsideUntouched();
}

TEST_F(DeleteFilesLinkTest, NonRecursiveLeavesDirectoryLink) {
  fs.AddLink("C:\\tree\\link", "C:\\outside", true);
  DeleteFiles(fs, "C:\\tree\\", "*.*", false);
  EXPECT_TRUE(fs.Exists("C:\\tree\\link"));
  ExpectOutsideUntouched();
}

TEST_F(DeleteFilesLinkTest, FileLinkIsDeletedAsLink) {
  fs.AddLink("C:\\tree\\filelink", "C:\\outside\\keep.txt", false);
  DeleteFiles(fs, "C:\\tree\\", "*.*", false);
  EXPECT_FALSE(fs.Exists("C:\\tree\\filelink"));
  ExpectOutsideUntouched();
}

TEST_F(DeleteFilesLinkTest, UndeletableFileLinkKeepsTargetAttributes) {
  fs.AddLink("C:\\tree\\filelink", "C:\\outside\\keep.txt", false);
  fs.Lock("C:\\tree\\filelink");
  EXPECT_THROW(DeleteFiles(fs, "C:\\tree\\", "*.*", true), base::EInOutError);
  EXPECT_TRUE(fs.Exists("C:\\tree\\filelink"));
  ExpectOutsideUntouched();
}

TEST_F(DeleteFilesLinkTest, LinkThatCannotBeRemovedRaises) {
  fs.AddLink("C:\\tree\\link", "C:\\outside", true);
  fs.FailOn(FsOp::kRemoveDir, "C:\\tree\\link", err::kDirNotEmpty);  // as Wine answers
  EXPECT_EQ(RaisedCode(fs, "C:\\tree\\", true), err::kDirNotEmpty);
  EXPECT_TRUE(fs.Exists("C:\\tree\\link"));
  ExpectOutsideUntouched();
}

class GetTempDirTest : public ::testing::Test {
 protected:
  std::string TempDir() { return app::GetTempDir(fs, env); }
  FakeFileSystem fs;
  FakeEnvironment env;
};

TEST_F(GetTempDirTest, ExistingDirectoryInLongFormWithSeparator) {
  fs.AddDirectory("C:\\Users\\Anna\\AppData\\Local\\Temp");
  env.Set("TEMP", "C:\\users\\anna\\appdata\\local\\temp");
  EXPECT_EQ(TempDir(), "C:\\Users\\Anna\\AppData\\Local\\Temp\\");
  EXPECT_EQ(fs.Calls(FsOp::kMakeDir), 0u);
}

TEST_F(GetTempDirTest, FailedLongFormConversionKeepsTheValue) {
  fs.AddDirectory("C:\\Tmp");
  env.Set("temp", "c:\\tmp");
  fs.FailOn(FsOp::kLongPathName, "c:\\tmp\\", 2);
  EXPECT_EQ(TempDir(), "c:\\tmp\\");
}

// Only "not found" says the directory is missing; a query that failed otherwise keeps the
// variable's word, and no C:\temp is made beside it.
TEST_F(GetTempDirTest, FailedQueryIsNoAnswerOfMissing) {
  fs.AddDirectory("C:\\Tmp");
  env.Set("temp", "c:\\tmp");
  for (const OsError code : {err::kAccessDenied, err::kCrc}) {
    fs.FailOn(FsOp::kGetAttributes, "c:\\tmp", code);
    EXPECT_EQ(TempDir(), "c:\\Tmp\\") << code;
  }
  EXPECT_EQ(fs.Calls(FsOp::kMakeDir), 0u);
}

TEST_F(GetTempDirTest, UnsetEmptyOrMissingFallsBackToExistingCTemp) {
  fs.AddDirectory("C:\\TEMP");
  EXPECT_EQ(TempDir(), "c:\\temp\\");
  env.Set("temp", "");
  EXPECT_EQ(TempDir(), "c:\\temp\\");
  env.Set("temp", "C:\\gone");
  EXPECT_EQ(TempDir(), "c:\\temp\\");
  EXPECT_EQ(fs.Calls(FsOp::kMakeDir), 0u);
}

TEST_F(GetTempDirTest, FileNamedByTheVariableIsNoDirectory) {
  fs.AddFile("C:\\notadir");
  fs.AddDirectory("C:\\temp");
  env.Set("temp", "C:\\notadir");
  EXPECT_EQ(TempDir(), "c:\\temp\\");
}

TEST_F(GetTempDirTest, ValueOf128CharactersCountsAsUnset) {
  fs.AddDirectory("C:\\temp");
  std::string fits = "C:\\" + std::string(124, 'x');  // 127 characters
  fs.AddDirectory(fits);
  env.Set("temp", fits);
  EXPECT_EQ(TempDir(), fits + "\\");
  const std::string tooLong = fits + "y";
  fs.AddDirectory(tooLong);
  env.Set("temp", tooLong);
  EXPECT_EQ(TempDir(), "c:\\temp\\");
}

TEST_F(GetTempDirTest, LimitCountsCharactersNotBytes) {
  const std::string umlauts = "C:\\" + [] {
    std::string s;
    for (int i = 0; i < 100; ++i) s += "ü";  // 200 bytes, 100 characters
    return s;
  }();
  fs.AddDirectory(umlauts);
  env.Set("temp", umlauts);
  EXPECT_EQ(TempDir(), umlauts + "\\");
}

TEST_F(GetTempDirTest, CreatesCTempWhenMissing) {
  EXPECT_EQ(TempDir(), "c:\\temp\\");
  EXPECT_TRUE(app::IsExistingDirectory(fs, "C:\\temp"));
  EXPECT_EQ(fs.Calls(FsOp::kMakeDir), 1u);
}

TEST_F(GetTempDirTest, RaisesWhenCTempCannotBeCreated) {
  env.Set("temp", "C:\\gone");
  fs.FailOn(FsOp::kMakeDir, "C:\\temp", err::kAccessDenied);
  try {
    TempDir();
    FAIL() << "no error raised";
  } catch (const base::EInOutError&) {
    FAIL() << "wrong kind of error";
  } catch (const base::Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot create c:\\temp");
  }
}

TEST_F(GetTempDirTest, RaisesWhenCTempIsAFile) {
  fs.AddFile("C:\\temp");
  EXPECT_THROW(TempDir(), base::Exception);
}

TEST_F(GetTempDirTest, EveryCallLooksAgain) {
  fs.AddDirectory("C:\\a");
  env.Set("temp", "C:\\a");
  EXPECT_EQ(TempDir(), "C:\\a\\");
  env.Set("temp", "C:\\b");
  EXPECT_EQ(TempDir(), "c:\\temp\\");
}

}  // namespace
