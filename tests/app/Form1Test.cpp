#include "tests/app/AppFixture.h"
#include "toolkit/Description.h"

using namespace apptest;

namespace {

using Form1Test = AppTest;

struct Box {
  int left, top, width, height;
};

void ExpectBox(const tk::TControl& c, Box b) {
  EXPECT_EQ(c.Left(), b.left) << c.Name();
  EXPECT_EQ(c.Top(), b.top) << c.Name();
  EXPECT_EQ(c.Width(), b.width) << c.Name();
  EXPECT_EQ(c.Height(), b.height) << c.Name();
}

TEST_F(Form1Test, ControlsSitWhereTheLayoutPutsThem) {
  app::TForm1& f = Open();
  EXPECT_EQ(f.ClientWidth(), 375);
  EXPECT_EQ(f.ClientHeight(), 231);
  ExpectBox(*f.Label1, {24, 16, 181, 16});
  ExpectBox(*f.Label2, {40, 40, 189, 39});
  ExpectBox(*f.Image2, {245, 8, 124, 41});
  ExpectBox(*f.Label3, {32, 192, 215, 13});
  ExpectBox(*f.Button1, {48, 160, 75, 25});
  ExpectBox(*f.Button2, {240, 160, 75, 25});
  ExpectBox(*f.StatusBar1, {0, 212, 375, 19});
  ExpectBox(*f.Animate1, {32, 88, 304, 60});
  ExpectBox(*f.ListBox1, {40, 96, 289, 39});
}

TEST_F(Form1Test, WindowIsFixedWhiteAndCentred) {
  app::TForm1& f = Open();
  EXPECT_EQ(f.BorderStyle(), tk::bsSingle);
  EXPECT_EQ(f.Color(), tk::clWhite);
  EXPECT_EQ(f.StatusBar1->Color(), tk::clWhite);
  const tk::TRect area = backend.Screen();
  EXPECT_EQ(f.Left(), (area.Width() - f.Width()) / 2);
  EXPECT_EQ(f.Top(), (area.Height() - f.Height()) / 2);
  EXPECT_TRUE(f.Visible());
}

TEST_F(Form1Test, FontsAndGermanTexts) {
  app::TForm1& f = Open();
  EXPECT_EQ(f.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(f.Font().Height(), -11);
  EXPECT_EQ(f.Font().CharSet(), tk::DEFAULT_CHARSET);
  EXPECT_EQ(f.Label1->Font().Height(), -13);
  EXPECT_EQ(f.Label1->Font().Style(), tk::fsBold);
  EXPECT_EQ(f.Label3->Font().Height(), -11);
  EXPECT_EQ(f.Caption(), "Trelvia®plus Deinstaller");
  EXPECT_EQ(f.Label1->Caption(), "Trelvia®plus Deinstaller");
  EXPECT_EQ(f.Label2->Caption(),
            "Deinstallieren\r\n     Vuvavoredir Menü 6.1\r\n     Vuvavoredir Planungsprogramm 6.1");
  EXPECT_EQ(f.Label3->Caption(), "Bitte, alle Vuvavoredir programm abbrechen!");
  EXPECT_EQ(f.Button1->Caption(), "Start");
  EXPECT_EQ(f.Button2->Caption(), "Abbrechen");
  EXPECT_EQ(f.StatusBar1->SimpleText(), "");
  EXPECT_TRUE(f.StatusBar1->SimplePanel());
}

TEST_F(Form1Test, TabOrderAndHiddenList) {
  app::TForm1& f = Open();
  EXPECT_EQ(f.Button1->TabOrder(), 0);
  EXPECT_EQ(f.Button2->TabOrder(), 1);
  EXPECT_EQ(tk::CancelButtonOf(f), f.Button2);  // Escape
  EXPECT_EQ(f.ListBox1->TabOrder(), 4);
  EXPECT_FALSE(f.ListBox1->Visible());
  EXPECT_EQ(f.ListBox1->ItemHeight(), 13);
}

TEST_F(Form1Test, AnimationIsTheDeleteAnimationAndStill) {
  app::TForm1& f = Open();
  EXPECT_EQ(f.Animate1->CommonAVI(), tk::aviDeleteFile);
  EXPECT_EQ(tk::CommonAviResource(f.Animate1->CommonAVI()), 164);
  EXPECT_FALSE(f.Animate1->Active());
}

TEST_F(Form1Test, VlcListHas109LinesWithTabsOnLines12To108) {
  app::TForm1& f = Open();
  const tk::TStrings& items = f.ListBox1->Items();
  ASSERT_EQ(items.Count(), 109);
  EXPECT_EQ(items[0], "VLC");
  EXPECT_EQ(items[108], "VLC\\skins\\fonts");
  for (int i = 0; i < items.Count(); ++i) {
    const bool tab = !items[i].empty() && items[i].back() == '\t';
    EXPECT_EQ(tab, i >= 11 && i <= 107) << "line " << i + 1;
  }
  EXPECT_EQ(items[13], "VLC\\locale\\af\t");
  EXPECT_EQ(items[56], "VLC\\locale\\af\\LC_MESSAGES\t");
}

TEST_F(Form1Test, ShowKeepsTheDirectoryAsWritten) {
  WriteSettings("[TRElvia]\r\nLang=0\r\ndirectory=D:\\Programme\\Trelvia\\\r\n");
  EXPECT_EQ(Open().InstallDir, "D:\\Programme\\Trelvia\\");
}

TEST_F(Form1Test, NoSettingsFileLeavesInstallDirEmpty) {
  app::TForm1& f = Open();
  EXPECT_EQ(f.InstallDir, "");
  EXPECT_EQ(f.Label3->Caption(), "Bitte, alle Vuvavoredir programm abbrechen!");
}

TEST_F(Form1Test, UnusableTempDirectoryEndsTheShowHandler) {
  WriteSettingsFor("C:\\Trelvia");
  fake.env.Unset("TEMP");
  fake.fs.FailOn(plat::FsOp::kMakeDir, "C:\\temp", 5);
  app::TForm1& f = Open();
  EXPECT_EQ(f.InstallDir, "");
  EXPECT_TRUE(f.Visible());
  ASSERT_EQ(backend.Recorded().Shown().size(), 1u);
  EXPECT_EQ(backend.Recorded().Shown()[0].kind, tk::DialogKind::ErrorBox);
  EXPECT_EQ(backend.Recorded().Shown()[0].text, "Cannot create c:\\temp.");
}

TEST_F(Form1Test, CancelEndsTheProgramWithoutTouchingFiles) {
  Install();
  WriteSettingsFor(kInstall);
  app::TForm1& f = Open();
  f.Button2->Click();
  EXPECT_TRUE(f.Closed());
  EXPECT_TRUE(tk::Application().Terminated());
  EXPECT_EQ(fake.fs.Calls(plat::FsOp::kRemoveFile), 0u);
  EXPECT_EQ(fake.fs.Calls(plat::FsOp::kRemoveDir), 0u);
  EXPECT_EQ(fake.fs.Calls(plat::FsOp::kSetAttributes), 0u);
}

TEST_F(Form1Test, StoredDescriptionReadsBackUnchanged) {
  app::TForm1& f = Open();
  plat::FakePlatform other;
  app::TForm1 copy(nullptr, other.Get());
  tk::ReadComponent(tk::WriteComponent(f), copy);
  EXPECT_EQ(tk::WriteComponent(copy), tk::WriteComponent(f));
}

}  // namespace

namespace {

TEST_F(Form1Test, StoredDescriptionIsInTheWritersOwnForm) {
  // Tools that write the description back (the translator's merge) leave it byte for byte alone.
  app::RegisterWindowClasses();
  plat::FakePlatform other;
  app::TForm1 window(nullptr, other.Get());
  tk::ReadComponent(kUninst1Form, window);
  EXPECT_EQ(tk::WriteComponent(window), std::string(kUninst1Form));
}

}  // namespace
