#include "tests/app/AppFixture.h"

using namespace apptest;

namespace {

using RunningProgramTest = AppTest;

TEST_F(RunningProgramTest, MatchesTitlesContainingTheTextInAnyAsciiCase) {
  app::TForm1& f = Open();
  fake.windows.SetTitles({"Explorer", "Trelvia®PLUS 6.10 Planung"});
  EXPECT_TRUE(f.IsProgramRunning("plus 6.1"));
  fake.windows.SetTitles({"media PLAYER classic - clip.avi"});
  EXPECT_TRUE(f.IsProgramRunning("media player classic"));
}

TEST_F(RunningProgramTest, TitlesWithoutTheTextDoNotMatch) {
  app::TForm1& f = Open();
  // The product's own menu window does not hold the text, whatever its name suggests.
  fake.windows.SetTitles({"Vuvavoredir Menü 6.1", "Trelvia®plus 6,1", "Trelvia®plus Deinstaller",
                          "Trelvia®plus Uninstaller", "Deinstaluj Morlen"});
  EXPECT_FALSE(f.IsProgramRunning("plus 6.1"));
  EXPECT_FALSE(f.IsProgramRunning("media player classic"));
}

TEST_F(RunningProgramTest, OnlyAsciiLettersAreCaseFolded) {
  app::TForm1& f = Open();
  fake.windows.SetTitles({"MENÜ"});
  EXPECT_FALSE(f.IsProgramRunning("menü"));
  EXPECT_TRUE(f.IsProgramRunning("MENÜ"));
}

TEST_F(RunningProgramTest, LongTitlesAreCutTo255Characters) {
  app::TForm1& f = Open();
  fake.windows.SetTitles({std::string(250, 'x') + "plus 6.1"});
  EXPECT_FALSE(f.IsProgramRunning("plus 6.1"));
  fake.windows.SetTitles({std::string(247, 'x') + "plus 6.1"});
  EXPECT_TRUE(f.IsProgramRunning("plus 6.1"));
}

TEST_F(RunningProgramTest, EmptyTextIsFoundNowhere) {
  app::TForm1& f = Open();
  fake.windows.SetTitles({"", "anything"});
  EXPECT_FALSE(f.IsProgramRunning(""));
}

}  // namespace
