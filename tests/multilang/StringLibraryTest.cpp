#include <string>
#include <typeinfo>
#include <vector>

#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeStringLibraries.h"
#include "tests/multilang/LibraryWindow.h"

using namespace ml;

namespace {

using Strings = plat::FakeStringLibraries::Strings;

// The window's component reaches libraries through the fakes.
class StringLibraryTest : public LibraryWindowTest {
 protected:
  StringLibraryTest() { SetLibraryServices({&files, &libraries}); }

  // A library at `path` that also exists as a file.
  void AddLibrary(const std::string& path, Strings strings) {
    files.AddFile(path);
    libraries.AddLibrary(path, std::move(strings));
  }

  plat::FakeFileSystem files;
  plat::FakeStringLibraries libraries;
};

TEST_F(StringLibraryTest, WithoutALibraryTheStoredTableStaysAndNoFileIsTouched) {
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), kStoredTable);
  EXPECT_EQ(ml.Languages(), 3);
  EXPECT_EQ(label1->Caption(), "Eins");
  EXPECT_EQ(files.Calls(plat::FsOp::kGetAttributes), 0u);
  EXPECT_TRUE(libraries.Requests().empty());
}

TEST_F(StringLibraryTest, ClassBlockBecomesAOneLanguageTable) {
  AddLibrary("C:\\lang\\en.dll",
             {{1000, "%tform1"}, {1001, "Label1"}, {1002, "One"}, {1003, "Label2"}, {1004, "Two"}});
  SetStringLibraryFile("C:\\lang\\en.dll");
  SetStartLanguage(1);
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "One", "Label2", "Two"}));
  EXPECT_EQ(ml.Languages(), 1);
  EXPECT_EQ(ml.ActiveLanguage(), 0);
  EXPECT_EQ(ml.DefaultLanguage(), 0);
  EXPECT_EQ(label1->Caption(), "One");
  EXPECT_EQ(label2->Caption(), "Two");
  // The start language first, then the library's table.
  EXPECT_EQ(switches, (std::vector<int>{1, 0}));
  EXPECT_EQ(libraries.Reads(), (std::vector<std::uint32_t>{1000, 1001, 1002, 1003, 1004, 1005}));
}

TEST_F(StringLibraryTest, NameBlockIsFoundAfterAnotherWindowsBlock) {
  AddLibrary("de.dll", {{1000, "%TOtherForm"},
                        {1001, "Label1"},
                        {1002, "other"},
                        {1100, "$form1"},
                        {1101, "Label1"},
                        {1102, "mine"}});
  SetStringLibraryFile("de.dll");
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "mine"}));
  EXPECT_EQ(label1->Caption(), "mine");
}

TEST_F(StringLibraryTest, HeaderMayCarryAPathBeforeTheName) {
  AddLibrary("a.dll", {{1000, "%C:\\forms\\TFORM1"}, {1001, "Label1"}, {1002, "x"}});
  AddLibrary("b.dll", {{1000, "$forms\\old:FORM1"}, {1001, "Label1"}, {1002, "y"}});
  SetStringLibraryFile("a.dll");
  Load();
  EXPECT_EQ(label1->Caption(), "x");
  SetStringLibraryFile("b.dll");
  TForm1 second(nullptr);
  second.SetName("Form1");
  auto* label = tk::NewComponent<tk::TLabel>(&second, "Label1");
  Load(second);
  EXPECT_EQ(label->Caption(), "y");
}

TEST_F(StringLibraryTest, HeaderNamingAnotherWindowIsNotTaken) {
  AddLibrary("a.dll", {{1000, "%TForm10"},
                       {1001, "Label1"},
                       {1002, "x"},
                       {1100, "#form1"},
                       {1101, "Label1"},
                       {1102, "y"}});
  SetStringLibraryFile("a.dll");
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), kStoredTable);
  EXPECT_EQ(libraries.Reads(), (std::vector<std::uint32_t>{1000, 1100, 1200}));
}

TEST_F(StringLibraryTest, TwoCharacterHeaderIsNoHeader) {
  form.SetName("F");
  AddLibrary("a.dll", {{1000, "$F"}, {1001, "Label1"}, {1002, "x"}});
  SetStringLibraryFile("a.dll");
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), kStoredTable);
  EXPECT_EQ(ml.Languages(), 3);
  EXPECT_EQ(libraries.Reads(), (std::vector<std::uint32_t>{1000, 1100}));
}

TEST_F(StringLibraryTest, EmptyTextStaysAndTheBodyEndsAtTheMissingKey) {
  AddLibrary("a.dll", {{1000, "%tform1"},
                       {1001, "Label1"},
                       {1002, "One"},
                       {1003, "Label2"},
                       {1004, ""},
                       {1006, "Label1"},
                       {1007, "late"}});
  SetStringLibraryFile("a.dll");
  label2->SetCaption("before");
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "One", "Label2", ""}));
  EXPECT_EQ(label2->Caption(), "");
}

TEST_F(StringLibraryTest, MissingTextIsAnEmptyText) {
  AddLibrary("a.dll", {{1000, "%tform1"}, {1001, "Label1"}, {1003, "Label2"}, {1004, "Two"}});
  SetStringLibraryFile("a.dll");
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "", "Label2", "Two"}));
}

TEST_F(StringLibraryTest, BodyThatDoesNotEndRunsIntoTheNextBlock) {
  Strings strings{{1000, "%tform1"}};
  for (std::uint32_t id = 1001; id < 1100; id += 2) strings[id] = "Unused" + std::to_string(id);
  for (std::uint32_t id = 1002; id < 1100; id += 2) strings[id] = "t" + std::to_string(id);
  strings[1100] = "%TOther";
  strings[1101] = "Label2";
  strings[1102] = "from the next block";
  AddLibrary("a.dll", strings);
  SetStringLibraryFile("a.dll");
  TestMultiLang& ml = Load();
  ASSERT_EQ(ml.Words().Count(), 102);
  EXPECT_EQ(ml.Words()[98], "Unused1099");
  EXPECT_EQ(ml.Words()[99], "%TOther");
  EXPECT_EQ(label2->Caption(), "from the next block");
}

TEST_F(StringLibraryTest, StringsAreCutTo299Characters) {
  AddLibrary("a.dll", {{1000, "%tform1"}, {1001, "Label1"}, {1002, std::string(400, 'x')}});
  SetStringLibraryFile("a.dll");
  Load();
  EXPECT_EQ(label1->Caption(), std::string(299, 'x'));
}

TEST_F(StringLibraryTest, LibraryThatCannotBeLoadedRaisesTheGeneralError) {
  files.AddFile("C:\\lang\\notalibrary.dll");
  SetStringLibraryFile("C:\\lang\\notalibrary.dll");
  try {
    Load();
    FAIL() << "no error";
  } catch (const base::Exception& e) {
    EXPECT_EQ(typeid(e), typeid(base::Exception));
    EXPECT_STREQ(e.what(), "Cannot load string DLL \"C:\\lang\\notalibrary.dll\".");
  }
  EXPECT_EQ(libraries.Loads(), 0);
  EXPECT_EQ(libraries.Releases(), 0);
}

TEST_F(StringLibraryTest, MissingFileLeavesItsNameForThisAndLaterComponents) {
  SetStringLibraryFile("C:\\lang\\strings.dll");
  TestMultiLang& first = Load();
  EXPECT_EQ(StringLibraryFile(), "strings.dll");
  EXPECT_EQ(first.Words().Items(), kStoredTable);
  EXPECT_TRUE(libraries.Requests().empty());

  // The bare name is looked for in the current directory.
  AddLibrary("C:\\strings.dll", {{1000, "$form2"}, {1001, "Label1"}, {1002, "found"}});
  libraries.AddLibrary("strings.dll", {{1000, "$form2"}, {1001, "Label1"}, {1002, "found"}});
  tk::TForm second(nullptr);
  second.SetName("Form2");
  auto* label = tk::NewComponent<tk::TLabel>(&second, "Label1");
  Load(second);
  EXPECT_EQ(label->Caption(), "found");
  EXPECT_EQ(libraries.Requests(), (std::vector<std::string>{"strings.dll"}));
}

TEST_F(StringLibraryTest, FileNamePartFollowsADriveColon) {
  SetStringLibraryFile("D:strings.dll");
  Load();
  EXPECT_EQ(StringLibraryFile(), "strings.dll");
}

TEST_F(StringLibraryTest, DesigningComponentLeavesTheSettingAlone) {
  SetStringLibraryFile("C:\\lang\\strings.dll");
  Load(form, /*designing=*/true);
  EXPECT_EQ(StringLibraryFile(), "C:\\lang\\strings.dll");
  EXPECT_TRUE(switches.empty());
}

TEST_F(StringLibraryTest, LibraryIsReleasedWhenABlockWasTaken) {
  AddLibrary("a.dll", {{1000, "%tform1"}, {1001, "Label1"}, {1002, "x"}});
  SetStringLibraryFile("a.dll");
  Load();
  EXPECT_EQ(libraries.Loads(), 1);
  EXPECT_EQ(libraries.Releases(), 1);
}

TEST_F(StringLibraryTest, LibraryIsReleasedWhenNoBlockMatches) {
  AddLibrary("a.dll", {{1000, "%TOther"}});
  SetStringLibraryFile("a.dll");
  Load();
  EXPECT_EQ(libraries.Loads(), 1);
  EXPECT_EQ(libraries.Releases(), 1);
}

TEST_F(StringLibraryTest, LibraryIsReleasedWhenTheSwitchFails) {
  TestMultiLang& ml = Load();
  AddLibrary("a.dll", {{1000, "%tform1"}, {1001, "Label1"}, {1002, "x"}});
  SetStringLibraryFile("a.dll");
  ml.BeforeLanguageChange.Set(
      [](tk::TObject*, std::uint8_t, bool&) { throw base::Exception("refused"); });
  EXPECT_THROW(ml.LoadFromStringLibrary(), base::Exception);
  EXPECT_EQ(ml.Words().Items(), (std::vector<std::string>{"Label1", "x"}));
  EXPECT_EQ(libraries.Loads(), 1);
  EXPECT_EQ(libraries.Releases(), 1);
}

TEST_F(StringLibraryTest, WithoutAFileSystemNoFileIsFound) {
  libraries.AddLibrary("a.dll", {{1000, "%tform1"}, {1001, "Label1"}, {1002, "x"}});
  SetLibraryServices({nullptr, &libraries});
  SetStringLibraryFile("C:\\a.dll");
  TestMultiLang& ml = Load();
  EXPECT_EQ(ml.Words().Items(), kStoredTable);
  EXPECT_EQ(StringLibraryFile(), "a.dll");
}

TEST_F(StringLibraryTest, WithoutALoaderNoLibraryLoads) {
  files.AddFile("a.dll");
  SetLibraryServices({&files, nullptr});
  SetStringLibraryFile("a.dll");
  EXPECT_THROW(Load(), base::Exception);
}

}  // namespace
