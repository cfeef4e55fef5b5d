#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/PathResolution.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/platform/PathSpellings.h"
#include "tests/support/win32/ScratchDir.h"

namespace {

using namespace plat;

class Win32FileSystemTest : public ::testing::Test {
 protected:
  testsupport::ScratchDir scratch;
  Win32FileSystem fs;
};

// Wine reports every file as due for archiving, whatever was set; the tests look past that.
std::uint32_t WithoutArchive(std::uint32_t attributes) {
  return attributes & ~attr::kArchive;
}

std::uint32_t AttributesOf(const std::vector<DirEntry>& entries, std::string_view name) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [&](const DirEntry& e) { return e.name == name; });
  return found == entries.end() ? 0xFFFFFFFFu : WithoutArchive(found->attributes);
}

TEST_F(Win32FileSystemTest, EnumerationReportsNamesAndAttributes) {
  scratch.AddFile("d\\Menü.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  scratch.AddDirectory("d\\sub", FILE_ATTRIBUTE_SYSTEM);
  const std::vector<DirEntry> entries = fs.Enumerate(scratch.Path("d\\*.*")).entries;
  EXPECT_EQ(entries.size(), 4u);
  EXPECT_EQ(AttributesOf(entries, "."), attr::kDirectory);
  EXPECT_EQ(AttributesOf(entries, "Menü.txt"), attr::kReadOnly | attr::kHidden);
  EXPECT_EQ(AttributesOf(entries, "sub"), attr::kDirectory | attr::kSystem);
}

TEST_F(Win32FileSystemTest, ListingThatFindsNothingSaysWhy) {
  scratch.AddFile("file");
  const std::pair<const char*, OsError> cases[] = {
      {"missing\\*.*", err::kPathNotFound},
      {"*.none", err::kFileNotFound},
  };
  for (const auto& [pattern, error] : cases) {
    const Listing listing = fs.Enumerate(scratch.Path(pattern));
    EXPECT_TRUE(listing.entries.empty()) << pattern;
    EXPECT_EQ(listing.error, error) << pattern;
  }
  EXPECT_NE(fs.Enumerate(scratch.Path("file\\*.*")).error, err::kSuccess);
}

TEST_F(Win32FileSystemTest, AttributesRoundTrip) {
  scratch.AddFile("f");
  const std::string path = scratch.Path("f");
  EXPECT_EQ(fs.SetAttributes(path, attr::kReadOnly | attr::kHidden | attr::kSystem), 0u);
  EXPECT_EQ(WithoutArchive(fs.GetAttributes(path).value),
            attr::kReadOnly | attr::kHidden | attr::kSystem);
  EXPECT_EQ(fs.SetAttributes(path, 0), 0u);
  EXPECT_EQ(fs.GetAttributes(path).value & (attr::kReadOnly | attr::kHidden | attr::kSystem), 0u);
  EXPECT_EQ(fs.GetAttributes(scratch.Path("missing")).error, err::kFileNotFound);
  EXPECT_NE(fs.SetAttributes(scratch.Path("missing"), 0), 0u);
}

TEST_F(Win32FileSystemTest, RefusalsCarrySystemCodes) {
  scratch.AddFile("readonly", FILE_ATTRIBUTE_READONLY);
  scratch.AddFile("full\\f");
  EXPECT_EQ(fs.RemoveFile(scratch.Path("readonly")), err::kAccessDenied);
  EXPECT_EQ(fs.RemoveDir(scratch.Path("full")), err::kDirNotEmpty);
  EXPECT_EQ(fs.MakeDir(scratch.Path("full")), err::kAlreadyExists);
  const OsError missing = fs.RemoveDir(scratch.Path("missing"));
  EXPECT_TRUE(missing == err::kFileNotFound || missing == err::kPathNotFound) << missing;
  EXPECT_NE(fs.RemoveDir(scratch.Path("full\\f")), 0u);
  EXPECT_TRUE(scratch.Exists("readonly"));
  EXPECT_TRUE(scratch.Exists("full\\f"));
}

// Windows answers access denied for a file whose delete is pending, and "not empty" for its
// directory; the file system reports both as pending. Wine 8 lets the second delete succeed and
// answers "not empty". Neither may look like a refusal that never ends.
TEST_F(Win32FileSystemTest, EntryPendingDeletionNeverAnswersAccessDenied) {
  scratch.AddFile("d\\f");
  const std::string file = scratch.Path("d\\f");
  UniqueFileHandle other(CreateFileW(Widen(file).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(other);
  ASSERT_EQ(fs.RemoveFile(file), 0u);
  EXPECT_NE(fs.RemoveFile(file), err::kAccessDenied);
  EXPECT_NE(fs.SetAttributes(file, 0), err::kAccessDenied);
  const OsError dir = fs.RemoveDir(scratch.Path("d"));
  EXPECT_TRUE(dir == err::kDeletePending || dir == err::kDirNotEmpty || dir == 0) << dir;
  other.Reset();
  EXPECT_FALSE(scratch.Exists("d\\f"));
}

TEST_F(Win32FileSystemTest, CreatesAndRemoves) {
  const std::string dir = scratch.Path("Ścieżka");
  EXPECT_EQ(fs.MakeDir(dir), 0u);
  EXPECT_EQ(fs.GetAttributes(dir).value, attr::kDirectory);
  EXPECT_EQ(fs.RemoveDir(dir), 0u);
  scratch.AddFile("f");
  EXPECT_EQ(fs.RemoveFile(scratch.Path("f")), 0u);
  EXPECT_FALSE(scratch.Exists("f"));
}

TEST_F(Win32FileSystemTest, LongPathNameExpandsShortNames) {
  scratch.AddDirectory("a rather long directory name");
  const std::wstring longPath = Widen(scratch.Path("a rather long directory name\\"));
  wchar_t shortPath[MAX_PATH];
  ASSERT_NE(GetShortPathNameW(longPath.c_str(), shortPath, MAX_PATH), 0u);
  ASSERT_NE(std::wstring(shortPath), longPath);
  const std::optional<std::string> converted = fs.LongPathName(Narrow(shortPath));
  ASSERT_TRUE(converted.has_value());
  EXPECT_TRUE(converted->ends_with("\\a rather long directory name\\")) << *converted;
  EXPECT_EQ(fs.LongPathName(scratch.Path("missing\\")), std::nullopt);
}

// Windows reaches a path beyond MAX_PATH only in its "\\?\" form, which the file system makes of
// the spellings it is given (Wine reaches them either way).
TEST_F(Win32FileSystemTest, ReachesPathsBeyondMaxPath) {
  std::vector<std::string> dirs{scratch.Path("Verzeichnis")};
  while (dirs.back().size() < 2 * MAX_PATH) dirs.push_back(dirs.back() + "\\Verzeichnis");
  for (const std::string& dir : dirs) ASSERT_EQ(fs.MakeDir(dir), 0u) << dir.size();
  const std::string& deepest = dirs.back();
  const std::string file = deepest + "\\f.txt";
  UniqueFileHandle created(CreateFileW(Widen("\\\\?\\" + file).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, 0, nullptr));
  ASSERT_TRUE(created);
  created.Reset();

  EXPECT_EQ(AttributesOf(fs.Enumerate(deepest + "\\*.*").entries, "f.txt"), 0u);
  EXPECT_EQ(fs.SetAttributes(file, attr::kReadOnly), 0u);
  EXPECT_EQ(fs.RemoveFile(file), err::kAccessDenied);
  EXPECT_EQ(fs.SetAttributes("\\\\.\\" + file, 0), 0u);
  EXPECT_EQ(fs.GetAttributes(deepest + "\\..\\Verzeichnis\\f.txt").error, 0u);
  EXPECT_EQ(fs.RemoveFile(file), 0u);
  EXPECT_EQ(fs.RemoveDir(deepest), 0u);
  EXPECT_EQ(fs.GetAttributes(deepest).error, err::kFileNotFound);
  for (auto dir = dirs.rbegin() + 1; dir != dirs.rend(); ++dir) EXPECT_EQ(fs.RemoveDir(*dir), 0u);
}

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The system's own resolution against the rules the fake resolves with: the same answer for
// every spelling, but where Wine is known to answer otherwise than Windows.
TEST_F(Win32FileSystemTest, FullPathNamesFollowTheFakesRules) {
  const bool wine = UnderWine();
  for (const pathtest::PathSpelling& s : pathtest::PathSpellings()) {
    const std::optional<std::string> expected = wine && s.wine ? s.wine : ResolveFullPath(s.path);
    EXPECT_EQ(fs.FullPathName(s.path), expected) << s.path;
  }
}

TEST_F(Win32FileSystemTest, RelativePathsTakeTheCurrentDirectory) {
  wchar_t current[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
  ASSERT_GT(length, 0u);
  std::string expected = Narrow(std::wstring_view(current, length));
  if (expected.back() != '\\') expected += '\\';
  EXPECT_EQ(fs.FullPathName("Trelvia\\.\\x\\.."), expected + "Trelvia");
}

}  // namespace
