#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakeStringLibraries.h"

namespace {

using plat::FakeStringLibraries;
using plat::LookUpString;
namespace err = plat::err;

TEST(StringTableRulesTest, MissingIdInsideAnExistingBlockIsEmptyWithoutError) {
  const FakeStringLibraries::Strings strings{{1000, "%tform1"}, {1001, "Label1"}};
  const plat::LibraryString s = LookUpString(strings, 1005);
  EXPECT_EQ(s.text, "");
  EXPECT_EQ(s.length, 0);
  EXPECT_EQ(s.error, err::kSuccess);
  // 992..1007 is one block: 1000 keeps 992 and 1007 in it, 1008 starts the next.
  EXPECT_EQ(LookUpString(strings, 992).error, err::kSuccess);
  EXPECT_EQ(LookUpString(strings, 1007).error, err::kSuccess);
  EXPECT_EQ(LookUpString(strings, 1008).error, err::kResourceNameNotFound);
  EXPECT_EQ(LookUpString(strings, 991).error, err::kResourceNameNotFound);
}

TEST(StringTableRulesTest, EmptyStringKeepsItsBlock) {
  const FakeStringLibraries::Strings strings{{1100, ""}};
  EXPECT_EQ(LookUpString(strings, 1100).error, err::kSuccess);
  EXPECT_EQ(LookUpString(strings, 1100).length, 0);
  EXPECT_EQ(LookUpString(strings, 1101).error, err::kSuccess);
}

TEST(StringTableRulesTest, PresentStringHasItsTextAndLength) {
  const plat::LibraryString s = LookUpString({{7, "Sch\xC3\xB6n"}}, 7);
  EXPECT_EQ(s.text, "Sch\xC3\xB6n");
  EXPECT_EQ(s.length, 5);
  EXPECT_EQ(s.error, err::kSuccess);
}

TEST(StringTableRulesTest, LongStringsAreCutTo299Utf16Units) {
  std::string umlauts;
  for (int i = 0; i < 400; ++i) umlauts += "\xC3\xBC";
  const plat::LibraryString s = LookUpString({{1, std::string(300, 'x')}, {2, umlauts}}, 1);
  EXPECT_EQ(s.text, std::string(299, 'x'));
  EXPECT_EQ(s.length, 299);
  const plat::LibraryString u = LookUpString({{2, umlauts}}, 2);
  EXPECT_EQ(u.length, 299);
  EXPECT_EQ(u.text, umlauts.substr(0, 2 * 299));
}

TEST(StringTableRulesTest, IdsPastSixteenBitsAlwaysReportAnError) {
  const FakeStringLibraries::Strings strings{{0xFFFF, "last"}};
  EXPECT_EQ(LookUpString(strings, 0xFFFF).text, "last");
  EXPECT_EQ(LookUpString(strings, 0x10000).error, err::kResourceNameNotFound);
  EXPECT_EQ(LookUpString(strings, 0x1FFFF).error, err::kResourceNameNotFound);
}

TEST(FakeStringLibrariesTest, LoadsRegisteredPathsWithoutRegardToCase) {
  FakeStringLibraries libraries;
  libraries.AddLibrary("C:\\Lang\\English.dll", {{1000, "%tform1"}});
  const auto library = libraries.Load("c:\\lang\\ENGLISH.DLL");
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->ReadString(1000).text, "%tform1");
  EXPECT_EQ(libraries.Loads(), 1);
  EXPECT_EQ(libraries.Reads(), (std::vector<std::uint32_t>{1000}));
}

TEST(FakeStringLibrariesTest, UnknownOrFailingPathsDoNotLoad) {
  FakeStringLibraries libraries;
  libraries.AddLibrary("a.dll", {{1, "x"}});
  libraries.FailLoad("A.DLL");
  EXPECT_EQ(libraries.Load("a.dll"), nullptr);
  EXPECT_EQ(libraries.Load("b.dll"), nullptr);
  EXPECT_EQ(libraries.Loads(), 0);
  EXPECT_EQ(libraries.Requests(), (std::vector<std::string>{"a.dll", "b.dll"}));
}

TEST(FakeStringLibrariesTest, ReleaseIsCountedWhenTheLibraryGoes) {
  FakeStringLibraries libraries;
  libraries.AddLibrary("a.dll", {{1, "x"}});
  auto first = libraries.Load("a.dll");
  auto second = libraries.Load("a.dll");
  EXPECT_EQ(libraries.Releases(), 0);
  first.reset();
  EXPECT_EQ(libraries.Releases(), 1);
  second.reset();
  EXPECT_EQ(libraries.Releases(), 2);
  EXPECT_EQ(libraries.Loads(), 2);
}

TEST(FakeStringLibrariesTest, LibraryMayOutliveTheFake) {
  std::unique_ptr<plat::StringLibrary> library;
  {
    FakeStringLibraries libraries;
    libraries.AddLibrary("a.dll", {{1, "x"}});
    library = libraries.Load("a.dll");
  }
  EXPECT_EQ(library->ReadString(1).text, "x");
}

}  // namespace
