// String libraries built from the resource scripts in stringlibs/, lying next to this binary.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Utf16.h"
#include "platform/win32/Win32StringLibraries.h"
#include "tests/support/win32/BinaryDir.h"
#include "tests/support/win32/ScratchDir.h"

namespace {

namespace err = plat::err;

constexpr wchar_t kTraceVariable[] = L"ZOVA_STRING_LIBRARY_CODE_RAN";

using testsupport::BinaryDir;

bool TraceLeft() {
  return GetEnvironmentVariableW(kTraceVariable, nullptr, 0) != 0;
}

// Runs a test in another current directory and goes back afterwards.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& dir) {
    wchar_t previous[MAX_PATH];
    previous_.assign(previous, GetCurrentDirectoryW(MAX_PATH, previous));
    SetCurrentDirectoryW(plat::Widen(dir).c_str());
  }
  ~CurrentDirectory() { SetCurrentDirectoryW(previous_.c_str()); }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::wstring previous_;
};

class Win32StringLibrariesTest : public ::testing::Test {
 protected:
  std::unique_ptr<plat::StringLibrary> Load(const std::string& name) {
    return libraries.Load(BinaryDir() + name);
  }
  plat::Win32StringLibraries libraries;
};

TEST_F(Win32StringLibrariesTest, ReadsStringsByIdAsUtf8) {
  auto library = Load("tform1.dll");
  ASSERT_NE(library, nullptr);
  const plat::LibraryString header = library->ReadString(1000);
  EXPECT_EQ(header.text, "%tform1");
  EXPECT_EQ(header.length, 7);
  EXPECT_EQ(header.error, err::kSuccess);
  const plat::LibraryString umlaut = library->ReadString(5002);
  EXPECT_EQ(umlaut.text, "Sch\xC3\xB6n");
  EXPECT_EQ(umlaut.length, 5);
}

TEST_F(Win32StringLibrariesTest, MissingIdInsideAnExistingBlockIsNoError) {
  auto library = Load("tform1.dll");
  ASSERT_NE(library, nullptr);
  const plat::LibraryString s = library->ReadString(1005);
  EXPECT_EQ(s.text, "");
  EXPECT_EQ(s.length, 0);
  EXPECT_EQ(s.error, err::kSuccess);
}

TEST_F(Win32StringLibrariesTest, MissingBlockReportsAnError) {
  auto library = Load("tform1.dll");
  ASSERT_NE(library, nullptr);
  const plat::LibraryString s = library->ReadString(1100);
  EXPECT_EQ(s.length, 0);
  EXPECT_EQ(s.error, err::kResourceNameNotFound);
}

TEST_F(Win32StringLibrariesTest, IdsPastSixteenBitsReportAnError) {
  auto library = Load("tform1.dll");
  ASSERT_NE(library, nullptr);
  // 0x103E8 would fold onto the block of 1000.
  const plat::LibraryString s = library->ReadString(0x10000 + 1000);
  EXPECT_EQ(s.text, "");
  EXPECT_NE(s.error, err::kSuccess);
}

TEST_F(Win32StringLibrariesTest, LongStringsAreCutTo299Characters) {
  auto library = Load("tform1.dll");
  ASSERT_NE(library, nullptr);
  const plat::LibraryString narrow = library->ReadString(5000);
  EXPECT_EQ(narrow.text, std::string(299, 'x'));
  EXPECT_EQ(narrow.length, 299);
  std::string umlauts;
  for (int i = 0; i < 299; ++i) umlauts += "\xC3\xBC";
  const plat::LibraryString wide = library->ReadString(5001);
  EXPECT_EQ(wide.text, umlauts);
  EXPECT_EQ(wide.length, 299);
}

TEST_F(Win32StringLibrariesTest, EmptyStringReadsEmptyWithoutError) {
  auto library = Load("emptytext.dll");
  ASSERT_NE(library, nullptr);
  const plat::LibraryString s = library->ReadString(1004);
  EXPECT_EQ(s.text, "");
  EXPECT_EQ(s.length, 0);
  EXPECT_EQ(s.error, err::kSuccess);
  EXPECT_EQ(library->ReadString(1007).text, "late");
}

TEST_F(Win32StringLibrariesTest, TextFileAndMissingFileDoNotLoad) {
  EXPECT_EQ(Load("notalibrary.dll"), nullptr);
  EXPECT_EQ(Load("nosuchlibrary.dll"), nullptr);
  EXPECT_EQ(libraries.Load(""), nullptr);
}

TEST_F(Win32StringLibrariesTest, RelativeNameIsTakenFromTheCurrentDirectoryOnly) {
  // The library lies next to this program, where a search along the library path looks first.
  {
    testsupport::ScratchDir elsewhere;
    CurrentDirectory cd(elsewhere.Dir());
    EXPECT_EQ(libraries.Load("tform1.dll"), nullptr);
  }
  CurrentDirectory cd(BinaryDir());
  auto library = libraries.Load("tform1.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->ReadString(1000).text, "%tform1");
}

TEST_F(Win32StringLibrariesTest, LoadingALibraryWithCodeNeverRunsIt) {
  SetEnvironmentVariableW(kTraceVariable, nullptr);
  {
    auto library = Load("traced.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->ReadString(1002).text, "from a library with code");
  }
  EXPECT_FALSE(TraceLeft());

  // The trace is real: loaded as a program, the library's entry point leaves it.
  const HMODULE program = LoadLibraryW(plat::Widen(BinaryDir() + "traced.dll").c_str());
  ASSERT_NE(program, nullptr);
  EXPECT_TRUE(TraceLeft());
  FreeLibrary(program);
  SetEnvironmentVariableW(kTraceVariable, nullptr);
}

TEST_F(Win32StringLibrariesTest, LibraryIsReleasedWithItsObject) {
  testsupport::ScratchDir dir;
  const std::wstring copy = plat::Widen(dir.Path("copy.dll"));
  ASSERT_TRUE(CopyFileW(plat::Widen(BinaryDir() + "tform1.dll").c_str(), copy.c_str(), FALSE));
  auto library = libraries.Load(dir.Path("copy.dll"));
  ASSERT_NE(library, nullptr);
  EXPECT_FALSE(DeleteFileW(copy.c_str())) << "a loaded library is in use";
  library.reset();
  EXPECT_TRUE(DeleteFileW(copy.c_str())) << GetLastError();
}

}  // namespace
