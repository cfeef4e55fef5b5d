// Windows taking their tables from string libraries built from the resource scripts of the
// platform tests, lying next to this binary, through the system's file and resource functions:
// the component's own, nobody sets them.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Utf16.h"
#include "tests/multilang/LibraryWindow.h"
#include "tests/support/win32/BinaryDir.h"

using namespace ml;

namespace {

using testsupport::BinaryDir;

class StringLibraryWin32Test : public LibraryWindowTest {
 protected:
  TestMultiLang& LoadWith(const std::string& library) {
    SetStringLibraryFile(BinaryDir() + library);
    return Load();
  }
};

TEST_F(StringLibraryWin32Test, ClassBlockBecomesAOneLanguageTable) {
  TestMultiLang& ml = LoadWith("tform1.dll");
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "One", "Label2", "Two"}));
  EXPECT_EQ(ml.Languages(), 1);
  EXPECT_EQ(ml.ActiveLanguage(), 0);
  EXPECT_EQ(ml.DefaultLanguage(), 0);
  EXPECT_EQ(label1->Caption(), "One");
  EXPECT_EQ(label2->Caption(), "Two");
}

TEST_F(StringLibraryWin32Test, NameBlockIsFoundAfterAnotherWindowsBlock) {
  TestMultiLang& ml = LoadWith("form1.dll");
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "mine"}));
  EXPECT_EQ(label1->Caption(), "mine");
}

TEST_F(StringLibraryWin32Test, OnlyTheNameAfterAHeadersPathCounts) {
  LoadWith("pathheader.dll");
  EXPECT_EQ(label1->Caption(), "by path");
}

TEST_F(StringLibraryWin32Test, EmptySecondTextStays) {
  TestMultiLang& ml = LoadWith("emptytext.dll");
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "One", "Label2", ""}));
  EXPECT_EQ(label2->Caption(), "");
}

TEST_F(StringLibraryWin32Test, TwoCharacterHeaderIsNoHeader) {
  form.SetName("F");
  TestMultiLang& ml = LoadWith("shortheader.dll");
  EXPECT_EQ(ml.Words().Items(), kStoredTable);
  EXPECT_EQ(ml.Languages(), 3);
}

TEST_F(StringLibraryWin32Test, BodyRunsIntoTheNextBlock) {
  TestMultiLang& ml = LoadWith("runon.dll");
  ASSERT_EQ(ml.Words().Count(), 102);
  EXPECT_EQ(ml.Words()[99], "%TOther");
  EXPECT_EQ(label2->Caption(), "from the next block");
}

TEST_F(StringLibraryWin32Test, WindowOfAnotherClassKeepsItsTable) {
  tk::TForm other(nullptr);
  other.SetName("Other1");
  TestMultiLang& ml = Load(other);
  SetStringLibraryFile(BinaryDir() + "tform1.dll");
  ml.LoadFromStringLibrary();
  EXPECT_EQ(ml.Words().Items(), kStoredTable);
}

TEST_F(StringLibraryWin32Test, FileThatIsNoLibraryRaisesTheGeneralError) {
  const std::string path = BinaryDir() + "notalibrary.dll";
  try {
    LoadWith("notalibrary.dll");
    FAIL() << "no error";
  } catch (const base::Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot load string DLL \"" + path + "\".");
  }
}

TEST_F(StringLibraryWin32Test, MissingFileLeavesItsNameWhichIsThenFoundInTheCurrentDirectory) {
  wchar_t previous[MAX_PATH];
  const std::wstring back(previous, GetCurrentDirectoryW(MAX_PATH, previous));
  SetCurrentDirectoryW(plat::Widen(BinaryDir()).c_str());
  SetStringLibraryFile("C:\\no such directory\\form1.dll");
  TestMultiLang& first = Load();
  EXPECT_EQ(StringLibraryFile(), "form1.dll");
  EXPECT_EQ(first.Words().Items(), kStoredTable);

  tk::TForm second(nullptr);
  second.SetName("Form1");
  auto* label = tk::NewComponent<tk::TLabel>(&second, "Label1");
  Load(second);
  SetCurrentDirectoryW(back.c_str());
  EXPECT_EQ(label->Caption(), "mine");
}

TEST_F(StringLibraryWin32Test, NamingALibraryWithCodeNeverRunsIt) {
  SetEnvironmentVariableW(L"ZOVA_STRING_LIBRARY_CODE_RAN", nullptr);
  LoadWith("traced.dll");
  EXPECT_EQ(label1->Caption(), "from a library with code");
  EXPECT_EQ(GetEnvironmentVariableW(L"ZOVA_STRING_LIBRARY_CODE_RAN", nullptr, 0), 0u);
}

}  // namespace
