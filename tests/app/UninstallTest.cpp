#include <algorithm>

#include "tests/app/AppFixture.h"
#include "tests/app/CallLog.h"

using namespace apptest;

namespace {

class UninstallTest : public AppTest {
 protected:
  // A complete installation and its settings file, the window shown, then Start.
  app::TForm1& Start(const std::string& dir = kInstall) {
    WriteSettingsFor(dir);
    app::TForm1& f = Open();
    f.Button1->Click();
    return f;
  }
  bool StartMenuFolderGone() const {
    return !fake.fs.Exists(std::string(kPrograms) + "\\ORX Vuvavoredir");
  }
  bool TempFilesGone() const {
    for (const char* f : {"\\vodere.ini", "\\control.ini", "\\uninstzova.exe"}) {
      if (fake.fs.Exists(std::string(kTemp) + f)) return false;
    }
    return true;
  }
};

// -- Refusals -------------------------------------------------------------------------------

TEST_F(UninstallTest, OpenProductWindowRefusesAndCloses) {
  Install();
  fake.windows.SetTitles({"Vuvavoredir Planung PLUS 6.1"});
  app::TForm1& f = Start();
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0].text, "Bitte, alle Vuvavoredir programm abbrechen!");
  EXPECT_EQ(Warnings()[0].caption, "uninstzova");
  EXPECT_TRUE(f.Closed());
  EXPECT_TRUE(tk::Application().Terminated());
  EXPECT_EQ(fake.fs.Calls(plat::FsOp::kRemoveFile), 0u);
  EXPECT_EQ(fake.fs.Calls(plat::FsOp::kRemoveDir), 0u);
  EXPECT_FALSE(f.Animate1->Active());
}

TEST_F(UninstallTest, OpenMediaPlayerRefusesWithTheCurrentLabelText) {
  Install();
  fake.windows.SetTitles({"Media Player Classic"});
  WriteSettingsFor(kInstall);
  app::TForm1& f = Open();
  f.Label3->SetCaption("Close the programs first!");
  f.Button1->Click();
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0].text, "Close the programs first!");
  EXPECT_TRUE(fake.fs.Exists(std::string(kInstall) + "\\VLC"));
}

// -- A complete run ---------------------------------------------------------------------------

TEST_F(UninstallTest, CompleteRunRemovesEverythingWithoutWarning) {
  Install();
  app::TForm1& f = Start();
  EXPECT_TRUE(Warnings().empty());
  EXPECT_FALSE(fake.fs.Exists(kInstall));
  EXPECT_TRUE(StartMenuFolderGone());
  EXPECT_TRUE(TempFilesGone());
  EXPECT_TRUE(f.Closed());
  EXPECT_TRUE(tk::Application().Terminated());
  EXPECT_FALSE(f.Animate1->Active());
}

TEST_F(UninstallTest, StatusLineShowsEachStage) {
  Install();
  Start();
  const std::vector<std::string> expected = {
      "Remove C:\\Trelvia\\MORLENCAT directory", "Remove C:\\Trelvia\\zuduviv directory",
      "Remove C:\\Trelvia\\vlc directory", "Remove Menu from Start Menu",
      "Remove Uninstall programm"};
  EXPECT_EQ(backend.statusTexts, expected);
}

TEST_F(UninstallTest, AnimationRunsWhileMessagesArePumped) {
  Install();
  WriteSettingsFor(kInstall);
  app::TForm1& f = Open();
  int pumpsWhilePlaying = 0;
  backend.onPump = [&] { pumpsWhilePlaying += f.Animate1->Active() ? 1 : 0; };
  f.Button1->Click();
  EXPECT_GE(pumpsWhilePlaying, 4);
  EXPECT_EQ(f.Animate1->StartFrame(), 1);
  EXPECT_EQ(f.Animate1->StopFrame(), 24);
  EXPECT_EQ(f.Animate1->Repetitions(), 0);
  EXPECT_FALSE(f.Animate1->Active());
}

TEST_F(UninstallTest, VlcDirectoriesGoDeepestFirstAndVlcLast) {
  Install();
  WriteSettingsFor(kInstall);
  CallLog log(fake.fs);
  app::TForm1& f = Open(fake.With(log));
  f.Button1->Click();
  const std::vector<std::string> removed = log.Paths(plat::FsOp::kRemoveDir);
  std::vector<std::string> vlc;
  for (const std::string& p : removed) {
    if (p.rfind("C:\\Trelvia\\VLC", 0) == 0) vlc.push_back(p);
  }
  ASSERT_FALSE(vlc.empty());
  EXPECT_EQ(vlc.back(), "C:\\Trelvia\\VLC");
  EXPECT_EQ(vlc.front(), "C:\\Trelvia\\VLC\\skins\\fonts");
  // Every directory goes before its parent.
  for (std::size_t i = 0; i < vlc.size(); ++i) {
    for (std::size_t j = i + 1; j < vlc.size(); ++j) {
      EXPECT_NE(vlc[j].rfind(vlc[i] + "\\", 0), 0u) << vlc[j] << " after its parent " << vlc[i];
    }
  }
  EXPECT_EQ(removed.back(), std::string(kPrograms) + "\\ORX Vuvavoredir");
}

// -- Failures of the directory stages ----------------------------------------------------------

TEST_F(UninstallTest, CatalogueThatStaysWarnsOnceAndTheRestRuns) {
  Install();
  fake.fs.FailOn(plat::FsOp::kRemoveDir, std::string(kInstall) + "\\morlencat", 5);
  Start();
  EXPECT_EQ(Warnings().size(), 1u);
  EXPECT_FALSE(fake.fs.Exists(std::string(kInstall) + "\\zuduviv"));
  EXPECT_FALSE(fake.fs.Exists(std::string(kInstall) + "\\VLC"));
  EXPECT_TRUE(StartMenuFolderGone());
  EXPECT_TRUE(TempFilesGone());
}

TEST_F(UninstallTest, HeldFileInProgramDirectoryWarnsOnce) {
  Install();
  fake.fs.Lock(std::string(kInstall) + "\\zuduviv\\readme.txt");
  Start();
  EXPECT_EQ(Warnings().size(), 1u);
  EXPECT_TRUE(fake.fs.Exists(std::string(kInstall) + "\\zuduviv\\readme.txt"));
  EXPECT_FALSE(fake.fs.Exists(std::string(kInstall) + "\\morlencat"));
  EXPECT_TRUE(TempFilesGone());
}

// -- Files that another program holds for a while ----------------------------------------------

struct HeldCase {
  const char* name;
  std::vector<std::string> held;  // below the installation directory
  std::chrono::milliseconds heldFor;
  bool warned;
  std::chrono::milliseconds minWait, maxWait;
};

class HeldDuringRun : public UninstallTest, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(HeldDuringRun, IsWaitedForWithinTheBudgetsWhileTheWindowPaints) {
  const HeldCase& c = GetParam();
  Install();
  for (const std::string& f : c.held) fake.fs.Hold(std::string(kInstall) + f, c.heldFor);
  WriteSettingsFor(kInstall);
  app::TForm1& f = Open();
  int pumpsWhileWaiting = 0;
  backend.onPump = [&] { pumpsWhileWaiting += fake.clock.Now().count() > 0 ? 1 : 0; };
  f.Button1->Click();
  EXPECT_EQ(Warnings().size(), c.warned ? 1u : 0u);
  EXPECT_EQ(fake.fs.Exists(kInstall), c.warned);
  EXPECT_GE(fake.clock.Now(), c.minWait);
  EXPECT_LE(fake.clock.Now(), c.maxWait);
  // Every pause let the window paint at least once.
  EXPECT_GE(pumpsWhileWaiting, 5);
  EXPECT_TRUE(TempFilesGone());
}

INSTANTIATE_TEST_SUITE_P(
    Holds, HeldDuringRun,
    ::testing::Values(
        HeldCase{"OneSecond", {"\\zuduviv\\readme.txt"}, std::chrono::seconds(1), false,
                 std::chrono::milliseconds(1000), std::chrono::milliseconds(1250)},
        HeldCase{"ForEver", {"\\zuduviv\\readme.txt"}, plat::kForever, true,
                 std::chrono::milliseconds(2000), std::chrono::milliseconds(2000)},
        HeldCase{"ForEverInEveryStage",
                 {"\\morlencat\\readme.txt", "\\zuduviv\\readme.txt", "\\VLC\\file0.dat",
                  "\\VLC\\skins\\fonts\\file108.dat"},
                 plat::kForever, true, std::chrono::milliseconds(5000),
                 std::chrono::milliseconds(5000)}),
    [](const ::testing::TestParamInfo<HeldCase>& info) { return info.param.name; });

TEST_F(UninstallTest, VlcDirectoryThatStaysWarnsOnceAndOtherLinesGoOn) {
  Install();
  fake.fs.FailOn(plat::FsOp::kRemoveDir, std::string(kInstall) + "\\VLC\\locale\\de", 5);
  Start();
  EXPECT_EQ(Warnings().size(), 1u);
  EXPECT_FALSE(fake.fs.Exists(std::string(kInstall) + "\\VLC\\locale\\fr"));
  EXPECT_TRUE(fake.fs.Exists(std::string(kInstall) + "\\VLC\\locale\\de"));
}

TEST_F(UninstallTest, StrayFileInInstallDirWarnsAndStartMenuStillGoes) {
  Install();
  fake.fs.AddFile(std::string(kInstall) + "\\notes.txt");
  Start();
  EXPECT_EQ(Warnings().size(), 1u);
  EXPECT_TRUE(fake.fs.Exists(std::string(kInstall) + "\\notes.txt"));
  EXPECT_TRUE(StartMenuFolderGone());
  EXPECT_TRUE(TempFilesGone());
}

TEST_F(UninstallTest, EveryStageFailingStillWarnsExactlyOnce) {
  Install();
  fake.fs.FailOn(plat::FsOp::kRemoveDir, std::string(kInstall) + "\\morlencat", 5);
  fake.fs.Lock(std::string(kInstall) + "\\zuduviv\\readme.txt");
  fake.fs.FailOn(plat::FsOp::kRemoveDir, std::string(kInstall) + "\\VLC\\skins", 5);
  fake.fs.AddFile(std::string(kInstall) + "\\notes.txt");
  Start();
  EXPECT_EQ(Warnings().size(), 1u);
}

TEST_F(UninstallTest, MissingDirectoriesCountAsRemoved) {
  // Only the catalogue was installed: nothing else is missing for a reason worth a warning.
  fake.fs.AddFile(std::string(kInstall) + "\\morlencat\\table.db");
  Start();
  EXPECT_TRUE(Warnings().empty());
  EXPECT_FALSE(fake.fs.Exists(kInstall));
}

// A check that fails for another reason than "not found" tells nothing: the directory is tried,
// and the warning rests on what is left.
class CheckThatCannotTell : public UninstallTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(CheckThatCannotTell, LeavesTheDirectoryToBeRemoved) {
  Install();
  fake.fs.FailOn(plat::FsOp::kGetAttributes, std::string(kInstall) + GetParam(), plat::err::kCrc);
  Start();
  EXPECT_TRUE(Warnings().empty());
  EXPECT_FALSE(fake.fs.Exists(kInstall));
}

INSTANTIATE_TEST_SUITE_P(Dirs, CheckThatCannotTell,
                         ::testing::Values("\\morlencat", "\\zuduviv", "\\VLC",
                                           "\\VLC\\skins\\fonts", ""));

TEST_F(UninstallTest, PartialVlcTreeRemovesWhatIsThereWithoutWarning) {
  fake.fs.AddFile(std::string(kInstall) + "\\VLC\\plugins\\a.dll");
  fake.fs.AddFile(std::string(kInstall) + "\\VLC\\vlc.exe");
  Start();
  EXPECT_TRUE(Warnings().empty());
  EXPECT_FALSE(fake.fs.Exists(kInstall));
}

TEST_F(UninstallTest, LinkInsideTheTreeLeavesItsTargetAlone) {
  Install();
  fake.fs.AddDrive('D');
  fake.fs.AddFile("D:\\Media\\keep.avi");
  fake.fs.AddLink(std::string(kInstall) + "\\VLC\\plugins\\media", "D:\\Media", true);
  Start();
  EXPECT_TRUE(fake.fs.Exists("D:\\Media\\keep.avi"));
  EXPECT_FALSE(fake.fs.Exists(std::string(kInstall) + "\\VLC\\plugins\\media"));
}

// The product's directories go through the link; the last stage removes the link alone, so its
// target, and whatever of the user's lies there, stays where it is.
TEST_F(UninstallTest, InstallationDirectoryThatIsALinkGoesAndItsTargetStays) {
  fake.fs.AddDrive('D');
  fake.fs.AddFile("D:\\Real\\morlencat\\table.db");
  fake.fs.AddFile("D:\\Real\\VLC\\skins\\fonts\\font.ttf");
  fake.fs.AddFile("D:\\Real\\notes.txt");
  fake.fs.AddLink(kInstall, "D:\\Real", true);
  Start();
  EXPECT_FALSE(fake.fs.Exists(kInstall));
  EXPECT_FALSE(fake.fs.Exists("D:\\Real\\morlencat"));
  EXPECT_FALSE(fake.fs.Exists("D:\\Real\\VLC"));
  EXPECT_TRUE(fake.fs.Exists("D:\\Real\\notes.txt"));
  EXPECT_TRUE(Warnings().empty());
}

// -- Start menu and temp directory -------------------------------------------------------------

TEST_F(UninstallTest, MissingProgramsValueCleansTheFolderAtTheRoot) {
  Install(kInstall, /*programsValue=*/false);
  fake.fs.AddFile("C:\\ORX Vuvavoredir\\Uninstall Vuvavoredir.lnk");
  fake.fs.AddFile("C:\\ORX Vuvavoredir\\other.txt");
  Start();
  EXPECT_FALSE(fake.fs.Exists("C:\\ORX Vuvavoredir"));
  EXPECT_TRUE(TempFilesGone());
}

TEST_F(UninstallTest, UnreadableRegistryEndsStartMenuStepSilently) {
  Install();
  fake.registry.DenyAccess(kExplorerKey);
  Start();
  EXPECT_FALSE(StartMenuFolderGone());
  EXPECT_TRUE(TempFilesGone());
  EXPECT_TRUE(Warnings().empty());
  EXPECT_TRUE(backend.Recorded().Shown().empty());
}

TEST_F(UninstallTest, TempDirectoryErrorEndsTheLastStepSilently) {
  Install();
  WriteSettingsFor(kInstall);
  app::TForm1& f = Open();
  // The temp directory disappears after the window read its settings.
  fake.env.Unset("TEMP");
  fake.fs.FailOn(plat::FsOp::kMakeDir, "C:\\temp", 5);
  f.Button1->Click();
  EXPECT_TRUE(backend.Recorded().Shown().empty());
  EXPECT_TRUE(StartMenuFolderGone());
  EXPECT_TRUE(f.Closed());
}

// -- The installation directory as Windows resolves it -----------------------------------------

TEST_F(UninstallTest, NothingInstalledGivesNoWarning) {
  Start("C:\\Programme\\Trelvia");
  EXPECT_TRUE(Warnings().empty());
  EXPECT_TRUE(TempFilesGone());
}

struct Spelling {
  const char* value;
  const char* canonical;
};

class InstallDirSpelling : public UninstallTest, public ::testing::WithParamInterface<Spelling> {};

TEST_P(InstallDirSpelling, RemovesTheInstallationAndShowsTheCanonicalPath) {
  Install();
  Start(GetParam().value);
  EXPECT_TRUE(Warnings().empty());
  EXPECT_FALSE(fake.fs.Exists(kInstall));
  ASSERT_FALSE(backend.statusTexts.empty());
  EXPECT_EQ(backend.statusTexts.front(),
            std::string("Remove ") + GetParam().canonical + "\\MORLENCAT directory");
}

INSTANTIATE_TEST_SUITE_P(Dirs, InstallDirSpelling,
                         ::testing::Values(Spelling{"C:/Trelvia", "C:\\Trelvia"},
                                           Spelling{"c:\\trelvia\\", "c:\\trelvia"},
                                           Spelling{"C:\\Trelvia\\.", "C:\\Trelvia"},
                                           Spelling{"C:\\Trelvia. ", "C:\\Trelvia"},
                                           Spelling{"C:\\Programme\\..\\Trelvia", "C:\\Trelvia"},
                                           Spelling{"\\\\?\\C:\\Trelvia", "\\\\?\\C:\\Trelvia"},
                                           Spelling{"\\\\.\\C:\\Trelvia\\", "\\\\.\\C:\\Trelvia"}));

class RefusedInstallDir : public UninstallTest,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedInstallDir, SaysSoOnceAndCleansOnlyStartMenuAndTemp) {
  const char* planted[] = {"C:\\VLC\\vlc.exe", "C:\\morlencat\\table.db",
                           "C:\\Windows\\zuduviv\\prog.exe", "C:\\Trelvia\\VLC\\vlc.exe"};
  for (const char* file : planted) fake.fs.AddFile(file);
  Install("C:\\Elsewhere");
  Start(GetParam());
  for (const char* file : planted) EXPECT_TRUE(fake.fs.Exists(file)) << file;
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0].text, "Bitte, alle Vuvavoredir programm abbrechen!");
  EXPECT_TRUE(StartMenuFolderGone());
  EXPECT_TRUE(TempFilesGone());
}

INSTANTIATE_TEST_SUITE_P(Dirs, RefusedInstallDir,
                         ::testing::Values("", "Trelvia", "\\Trelvia", "C:", "c:Trelvia", "C:\\",
                                           "C:\\.", "C:\\Programme\\..", "C:\\Windows",
                                           "\\\\server\\share", "\\\\.\\pipe\\x"));

// -- Clicks during the run ---------------------------------------------------------------------

// Escape presses nothing while the buttons are grey.
TEST_F(UninstallTest, ButtonsAreDisabledAndASecondClickStartsNothing) {
  Install();
  WriteSettingsFor(kInstall);
  CallLog log(fake.fs);
  app::TForm1& f = Open(fake.With(log));
  int disabledPumps = 0;
  backend.onPump = [&] {
    if (!f.Button1->Enabled() && !f.Button2->Enabled() && tk::CancelButtonOf(f) == nullptr) {
      ++disabledPumps;
    }
    f.Button1Click(f.Button1);  // a click that was queued before the buttons went grey
  };
  f.Button1->Click();
  EXPECT_GE(disabledPumps, 4);
  const std::vector<std::string> removed = log.Paths(plat::FsOp::kRemoveDir);
  EXPECT_EQ(std::count(removed.begin(), removed.end(), "C:\\Trelvia\\VLC"), 1);
  EXPECT_TRUE(Warnings().empty());
}

}  // namespace
