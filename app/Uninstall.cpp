// The uninstall procedure behind Start: refuse while a program of the product is open, remove the
// product's directories, then the Start-menu folder and the installer's temp files, and close.
#include <algorithm>
#include <exception>
#include <vector>

#include "app/InstallDirGuard.h"
#include "app/uninst1.h"
#include "app/util/FileOps.h"
#include "app/util/bsStr.h"
#include "base/Errors.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"

namespace app {

namespace {

const char* const kExplorerKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";
const char* const kStartMenuFolder = "\\ORX Vuvavoredir";
const char* const kGermanShortcuts[] = {"\\Vuvavoredir Menü 6.1.lnk",
                                        "\\Vuvavoredir Planungsprogramm 6.1.lnk",
                                        "\\Uninstall Vuvavoredir.lnk"};
const char* const kEnglishShortcuts[] = {"\\Vuvavoredir menu 6.1.lnk",
                                         "\\Vuvavoredir planning programme 6.1.lnk",
                                         "\\Uninstall Vuvavoredir.lnk"};

}  // namespace

void TForm1::ShowWarning() { tk::ShowMessage(Label3->Caption()); }

void TForm1::Pump() { tk::Application().ProcessMessages(); }

void TForm1::SetStatus(const std::string& text) { StatusBar1->SetSimpleText(text); }

// The warning rests on what is left: a directory whose removal failed stays unless the test finds
// nothing there, and one the test cannot tell about stays too.
bool TForm1::Gone(const std::string& path) {
  return plat::DirectoryPresence(platform_.fs, path) == plat::Presence::kAbsent;
}

void TForm1::RemoveProductDirectory(const std::string& dir, const std::string& sub,
                                    const std::string& status, RetryPolicy& retry, bool& failed) {
  const std::string path = dir + sub;
  // A directory that was never there counts as removed; one the test cannot tell about is tried.
  if (plat::DirectoryPresence(platform_.fs, path) == plat::Presence::kAbsent) return;
  SetStatus("Remove " + dir + status);
  try {
    RemoveTree(platform_.fs, path, retry);
  } catch (const std::exception&) {
    if (!Gone(path)) failed = true;
  }
}

void TForm1::RemoveVlcDirectories(const std::string& installDir, RetryPolicy& retry,
                                  bool& failed) {
  if (plat::DirectoryPresence(platform_.fs, installDir + "\\VLC") == plat::Presence::kAbsent) {
    return;
  }
  SetStatus("Remove " + installDir + "\\vlc directory");
  const tk::TStrings& lines = ListBox1->Items();
  // Deepest first: the list holds parents before their children. A line's directory that stays,
  // or was never there, may still go with its parent's line, so what stayed is looked for once
  // the list is done.
  std::vector<std::string> stayed;
  for (int i = lines.Count() - 1; i >= 0; --i) {
    const std::string dir = installDir + "\\" + ExtractField(lines[i], '\t', 1);
    try {
      RemoveTree(platform_.fs, dir, retry);
    } catch (const std::exception&) {
      stayed.push_back(dir);
    }
  }
  if (std::any_of(stayed.begin(), stayed.end(), [this](const auto& dir) { return !Gone(dir); })) {
    failed = true;
  }
}

void TForm1::RemoveInstallDir(const std::string& dir, RetryPolicy& retry, bool& failed) {
  // Only an empty directory goes: files of the user's own stay, and so does the directory. No
  // test comes first: an answer of "not there" that was wrong would leave it without a warning,
  // while a failed removal is checked.
  if (retry.Run([&] { return platform_.fs.RemoveDir(dir); }) != plat::err::kSuccess &&
      !Gone(dir)) {
    failed = true;
  }
}

void TForm1::CleanStartMenu(RetryPolicy& retry) {
  for (const auto* shortcuts : {&kGermanShortcuts, &kEnglishShortcuts}) {
    std::string programs;
    {
      const std::unique_ptr<plat::RegistryKey> key =
          platform_.registry.OpenCurrentUserKey(kExplorerKey);
      if (!key) throw base::Exception("Cannot open the Explorer key");
      programs = key->ReadString("Shell Folders", "Programs").value_or("");
    }
    const std::string folder = programs + kStartMenuFolder;
    DeleteFiles(platform_.fs, folder + "\\", "*.*", false, retry);
    // DeleteFiles waited for the held ones already.
    for (const char* name : *shortcuts) platform_.fs.RemoveFile(folder + name);
    retry.Run([&] { return platform_.fs.RemoveDir(folder); });
  }
}

void TForm1::CleanTempFiles(RetryPolicy& retry) {
  for (const char* name : {"vodere.ini", "control.ini", "uninstzova.exe"}) {
    const std::string path = GetTempDir(platform_.fs, platform_.env) + name;
    retry.Run([&] { return platform_.fs.RemoveFile(path); });
  }
}

void TForm1::Button1Click(tk::TObject*) {
  // Clicks that arrive while messages are pumped below never start a second run.
  if (running_) return;
  running_ = true;
  Button1->SetEnabled(false);
  Button2->SetEnabled(false);

  if (IsProgramRunning("plus 6.1") || IsProgramRunning("media player classic")) {
    ShowWarning();
    Close();
    return;
  }

  Animate1->Play(1, 24, 0);
  Pump();
  // Entries that another program holds for a moment are waited for, the window painting.
  RetryPolicy retry(platform_.clock, [this] { Pump(); });
  const InstallDirVerdict verdict = JudgeInstallDir(InstallDir, platform_.fs, platform_.folders);
  if (verdict.Accepted()) {
    bool failed = false;
    RemoveProductDirectory(verdict.dir, "\\morlencat", "\\MORLENCAT directory", retry, failed);
    Pump();
    RemoveProductDirectory(verdict.dir, "\\zuduviv", "\\zuduviv directory", retry, failed);
    Pump();
    RemoveVlcDirectories(verdict.dir, retry, failed);
    RemoveInstallDir(verdict.dir, retry, failed);
    if (failed) ShowWarning();
  } else {
    // A refused directory is said: a run that removed nothing must not look like one that
    // removed everything.
    ShowWarning();
  }

  Pump();
  SetStatus("Remove Menu from Start Menu");
  try {
    CleanStartMenu(retry);
  } catch (const std::exception&) {
    // The Start-menu entries are a convenience; the rest still runs.
  }

  Pump();
  SetStatus("Remove Uninstall programm");
  try {
    CleanTempFiles(retry);
  } catch (const std::exception&) {
    // No temp directory: nothing of the installer's is left there to remove.
  }

  Animate1->Stop();
  Close();
}

}  // namespace app
