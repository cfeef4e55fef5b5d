// The uninstall procedure behind Start: refuse while a program of the product is open, remove the
// product's directories, then the Start-menu folder and the installer's temp files, and close.
#include <exception>

#include "app/uninst1.h"
#include "app/util/FileOps.h"
#include "app/util/bsStr.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"

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

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool IsSafeInstallDir(const std::string& dir) {
  std::string d = dir;
  while (d.size() > 1 && d.back() == '\\') d.pop_back();
  if (d.size() >= 3 && IsDriveLetter(d[0]) && d[1] == ':' && d[2] == '\\') {
    return d.find_first_not_of('\\', 3) != std::string::npos;  // "C:\" alone is a root
  }
  if (d.size() > 2 && d[0] == '\\' && d[1] == '\\') {
    // "\\server\share" is the share's root; something must follow it.
    const std::size_t server = d.find('\\', 2);
    if (server == std::string::npos || server == 2) return false;
    const std::size_t share = d.find('\\', server + 1);
    return share != std::string::npos && share > server + 1 && share + 1 < d.size();
  }
  return false;
}

void TForm1::ShowWarning() { tk::ShowMessage(Label3->Caption()); }

void TForm1::Pump() { tk::Application().ProcessMessages(); }

void TForm1::SetStatus(const std::string& text) { StatusBar1->SetSimpleText(text); }

void TForm1::RemoveProductDirectory(const std::string& sub, const std::string& status,
                                    RetryPolicy& retry, bool& failed) {
  const std::string dir = InstallDir + sub;
  // A directory that was never there counts as removed.
  if (!app::IsExistingDirectory(platform_.fs, dir)) return;
  SetStatus("Remove " + InstallDir + status);
  try {
    RemoveTree(platform_.fs, dir, retry);
  } catch (const std::exception&) {
    failed = true;
  }
}

void TForm1::RemoveVlcDirectories(RetryPolicy& retry, bool& failed) {
  if (!app::IsExistingDirectory(platform_.fs, InstallDir + "\\VLC")) return;
  SetStatus("Remove " + InstallDir + "\\vlc directory");
  const tk::TStrings& lines = ListBox1->Items();
  // Deepest first: the list holds parents before their children.
  for (int i = lines.Count() - 1; i >= 0; --i) {
    const std::string dir = InstallDir + "\\" + ExtractField(lines[i], '\t', 1);
    if (!app::IsExistingDirectory(platform_.fs, dir)) continue;
    try {
      RemoveTree(platform_.fs, dir, retry);
    } catch (const std::exception&) {
      failed = true;
    }
  }
}

void TForm1::RemoveInstallDir(RetryPolicy& retry, bool& failed) {
  if (!app::IsExistingDirectory(platform_.fs, InstallDir)) return;
  // Only an empty directory goes: files of the user's own stay, and so does the directory.
  if (retry.Run([&] { return platform_.fs.RemoveDir(InstallDir); }) != 0) failed = true;
}

void TForm1::CleanStartMenu(RetryPolicy& retry) {
  for (const auto* shortcuts : {&kGermanShortcuts, &kEnglishShortcuts}) {
    std::string programs;
    {
      const std::unique_ptr<plat::RegistryKey> key =
          platform_.registry.OpenCurrentUserKey(kExplorerKey);
      if (!key) throw tk::Exception("Cannot open the Explorer key");
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
  bool failed = false;
  // An empty, relative or root installation directory would aim the removal at the root of a
  // drive or at the current directory: those stages are skipped.
  if (IsSafeInstallDir(InstallDir)) {
    RemoveProductDirectory("\\morlencat", "\\MORLENCAT directory", retry, failed);
    Pump();
    RemoveProductDirectory("\\zuduviv", "\\zuduviv directory", retry, failed);
    Pump();
    RemoveVlcDirectories(retry, failed);
    RemoveInstallDir(retry, failed);
    if (failed) ShowWarning();
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
