#include <gtest/gtest.h>

#include "platform/fake/FakeIniFiles.h"

namespace {

using plat::ReadProfileString;

TEST(ProfileRulesTest, SectionAndKeyMatchWithoutRegardToCase) {
  const char* text = "[TRElvia]\r\nLang=2\r\ndirectory=C:\\Trelvia\r\n";
  EXPECT_EQ(ReadProfileString(text, "trelvia", "LANG", "0"), "2");
  EXPECT_EQ(ReadProfileString(text, "TRELVIA", "Directory", ""), "C:\\Trelvia");
}

TEST(ProfileRulesTest, OnlyTheFirstSectionOfANameCounts) {
  const char* text = "[a]\nx=1\n[b]\ny=2\n[A]\nx=3\nz=4\n";
  EXPECT_EQ(ReadProfileString(text, "a", "x", "-"), "1");
  EXPECT_EQ(ReadProfileString(text, "a", "z", "-"), "-");
  EXPECT_EQ(ReadProfileString(text, "b", "y", "-"), "2");
}

TEST(ProfileRulesTest, FirstOfTwoKeysCounts) {
  EXPECT_EQ(ReadProfileString("[s]\nk=first\nK=second\n", "s", "k", ""), "first");
}

TEST(ProfileRulesTest, BlanksAndMatchingQuotesAroundValuesGo) {
  const char* text = "[s]\n  k1 =  spaced value  \nk2=\"quoted \"\nk3='x\"\nk4=\n";
  EXPECT_EQ(ReadProfileString(text, "s", "k1", ""), "spaced value");
  EXPECT_EQ(ReadProfileString(text, "s", "k2", ""), "quoted ");
  EXPECT_EQ(ReadProfileString(text, "s", "k3", ""), "'x\"");
  EXPECT_EQ(ReadProfileString(text, "s", "k4", "default"), "");
}

TEST(ProfileRulesTest, MissingEntriesGiveTheDefaultWithoutTrailingBlanks) {
  const char* text = "k=outside\n[s]\nnovalue\n";
  EXPECT_EQ(ReadProfileString(text, "s", "k", "def  "), "def");
  EXPECT_EQ(ReadProfileString(text, "s", "novalue", "d"), "d");
  EXPECT_EQ(ReadProfileString(text, "other", "k", ""), "");
  EXPECT_EQ(ReadProfileString("", "s", "k", " 0"), " 0");
}

TEST(FakeIniFilesTest, MissingFileReadsAsEmpty) {
  plat::FakeIniFiles files;
  EXPECT_EQ(files.Open("C:\\temp\\vodere.ini")->ReadString("trelvia", "Lang", "0"), "0");
}

TEST(FakeIniFilesTest, OpenedFileReadsTheCurrentText) {
  plat::FakeIniFiles files;
  const auto ini = files.Open("C:\\TEMP\\vodere.ini");
  files.SetFile("c:\\temp\\VODERE.INI", "[trelvia]\ndirectory=D:\\x\n");
  EXPECT_EQ(ini->ReadString("trelvia", "directory", ""), "D:\\x");
  files.RemoveFile("C:\\temp\\vodere.ini");
  EXPECT_EQ(ini->ReadString("trelvia", "directory", ""), "");
}

}  // namespace
