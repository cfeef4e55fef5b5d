#include "tests/app/AppFixture.h"

#include "app/util/bsStr.h"
#include "toolkit/Description.h"
#include "toolkit/StdCtrls.h"

namespace apptest {

void SetKnownFolders(plat::FakeKnownFolders& folders) {
  using plat::KnownFolder;
  folders.Set(KnownFolder::kWindows, "C:\\Windows");
  folders.Set(KnownFolder::kProgramFiles, "C:\\Program Files");
  folders.Set(KnownFolder::kProgramFilesX86, "C:\\Program Files (x86)");
  folders.Set(KnownFolder::kProgramFilesX64, "C:\\Program Files");
  folders.Set(KnownFolder::kProgramData, "C:\\ProgramData");
  folders.Set(KnownFolder::kProfile, "C:\\Users\\tester");
  folders.Set(KnownFolder::kDesktop, "C:\\Users\\tester\\Desktop");
  folders.Set(KnownFolder::kDocuments, "C:\\Users\\tester\\Documents");
  folders.Set(KnownFolder::kDownloads, "C:\\Users\\tester\\Downloads");
  folders.Set(KnownFolder::kTemp, std::string(kTemp) + "\\");
}

const std::vector<std::string>& AppWorld::VlcDirectories() {
  // The list the window carries, read from its stored description through a loaded window.
  static const std::vector<std::string> dirs = [] {
    app::RegisterWindowClasses();
    plat::FakePlatform scratch;
    app::TForm1 window(nullptr, scratch.Get());
    tk::ReadComponent(kUninst1Form, window);
    window.BindControls();
    std::vector<std::string> lines;
    for (const std::string& line : window.ListBox1->Items().Items()) {
      lines.push_back(app::ExtractField(line, '\t', 1));
    }
    return lines;
  }();
  return dirs;
}

void AppWorld::Install(const std::string& dir, bool programsValue) {
  for (const char* sub : {"\\morlencat", "\\zuduviv"}) {
    fake.fs.AddFile(dir + sub + "\\readme.txt");
    fake.fs.AddFile(dir + sub + "\\locked.dat", plat::attr::kReadOnly);
    fake.fs.AddFile(dir + sub + "\\data\\deep\\leaf.bin", plat::attr::kHidden);
  }
  int i = 0;
  for (const std::string& sub : VlcDirectories()) {
    fake.fs.AddFile(dir + "\\" + sub + "\\file" + std::to_string(i) + ".dat",
                    i % 3 == 0 ? plat::attr::kReadOnly : plat::attr::kArchive);
    ++i;
  }
  if (programsValue) {
    fake.registry.SetString(std::string(kExplorerKey) + "\\Shell Folders", "Programs", kPrograms);
  }
  const std::string folder = std::string(kPrograms) + "\\ORX Vuvavoredir";
  for (const char* lnk :
       {"\\Vuvavoredir Menü 6.1.lnk", "\\Vuvavoredir Planungsprogramm 6.1.lnk",
        "\\Vuvavoredir menu 6.1.lnk", "\\Vuvavoredir planning programme 6.1.lnk",
        "\\Uninstall Vuvavoredir.lnk", "\\Readme.txt"}) {
    fake.fs.AddFile(folder + lnk);
  }
  for (const char* f : {"\\vodere.ini", "\\control.ini", "\\uninstzova.exe"}) {
    fake.fs.AddFile(std::string(kTemp) + f);
  }
}

}  // namespace apptest
