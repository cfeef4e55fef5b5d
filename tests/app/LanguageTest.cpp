#include "tests/app/AppFixture.h"

using namespace apptest;

namespace {

using LanguageTest = AppTest;

const char* const kLabel2En =
    "Uninstall\r\n    Vuvavoredir Menu\r\n    Vuvavoredir planning programme 6.1";
const char* const kLabel2Pl = "Deinstaluj\r\n  Morlen-Katalog\r\n  ZOVA Planning";

void ExpectGerman(const app::TForm1& f) {
  EXPECT_EQ(f.Caption(), "Trelvia®plus Deinstaller");
  EXPECT_EQ(f.Label1->Caption(), "Trelvia®plus Deinstaller");
  EXPECT_EQ(f.Button2->Caption(), "Abbrechen");
  EXPECT_EQ(f.Label3->Caption(), "Bitte, alle Vuvavoredir programm abbrechen!");
}

void ExpectEnglish(const app::TForm1& f) {
  EXPECT_EQ(f.Caption(), "Trelvia®plus Uninstaller");
  EXPECT_EQ(f.Label1->Caption(), "Trelvia®plus Uninstaller");
  EXPECT_EQ(f.Label2->Caption(), kLabel2En);
  EXPECT_EQ(f.Button1->Caption(), "Start");
  EXPECT_EQ(f.Button2->Caption(), "Cancel");
  EXPECT_EQ(f.Label3->Caption(), "Please all Vuvavoredir application close!");
  EXPECT_EQ(f.StatusBar1->SimpleText(), "");
}

TEST_F(LanguageTest, MissingKeyShowsGerman) {
  WriteSettings("[TRElvia]\r\ndirectory=C:\\Trelvia\r\n");
  ExpectGerman(Open());
}

TEST_F(LanguageTest, NotAnIntegerShowsGerman) {
  WriteSettings("[TRElvia]\r\nLang=eins\r\n");
  ExpectGerman(Open());
  EXPECT_TRUE(backend.Recorded().Shown().empty());
}

TEST_F(LanguageTest, OneShowsEnglish) {
  WriteSettings("[TRElvia]\r\nLang=1\r\n");
  ExpectEnglish(Open());
}

TEST_F(LanguageTest, TwoShowsPolishAndTheWarningFollows) {
  WriteSettings("[TRElvia]\r\nLang=2\r\ndirectory=C:\\Trelvia\r\n");
  fake.windows.SetTitles({"Media Player Classic"});
  app::TForm1& f = Open();
  EXPECT_EQ(f.Caption(), "Deinstaluj Morlen");
  EXPECT_EQ(f.Label2->Caption(), kLabel2Pl);
  EXPECT_EQ(f.Button2->Caption(), "Wyjście");
  EXPECT_EQ(f.Label3->Caption(), "Ścieżka AutuCAD");
  f.Button1->Click();
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0].text, "Ścieżka AutuCAD");
}

TEST_F(LanguageTest, ThreeIsRefusedOnceAndGermanStays) {
  WriteSettings("[TRElvia]\r\nLang=3\r\ndirectory=C:\\Trelvia\r\n");
  app::TForm1& f = Open();
  ASSERT_EQ(backend.Recorded().Shown().size(), 1u);
  const tk::DialogRequest& d = backend.Recorded().Shown()[0];
  EXPECT_EQ(d.caption, "Information");
  EXPECT_EQ(d.text, "Value must not be higher than\rnumber of available languages.");
  EXPECT_EQ(d.buttons, static_cast<tk::TMsgDlgButtons>(tk::mbCancel));
  ExpectGerman(f);
  // The show handler goes on after the refusal.
  EXPECT_EQ(f.InstallDir, "C:\\Trelvia");
}

TEST_F(LanguageTest, OnlyTheLow8BitsCount) {
  WriteSettings("[TRElvia]\r\nLang=257\r\n");
  ExpectEnglish(Open());
}

TEST_F(LanguageTest, UnusableTempDirectoryKeepsGerman) {
  fake.env.Unset("TEMP");
  fake.fs.FailOn(plat::FsOp::kMakeDir, "C:\\temp", 5);
  ExpectGerman(Open());
}

}  // namespace
