// A complete uninstall over the fakes, once for every k with the k-th file-system call failing,
// for each kind of error. After every run: nothing outside the product's places changed, the
// warning came once exactly when something of the product stayed, the Start-menu and temp stages
// ran (and did their work when the failure came before them), and the window closed.
#include <algorithm>
#include <cctype>
#include <map>

#include "tests/app/AppFixture.h"
#include "tests/app/CallLog.h"

using namespace apptest;

namespace {

struct ErrorKind {
  const char* name;
  plat::OsError code;
};

const ErrorKind kErrorKinds[] = {
    {"AccessDenied", plat::err::kAccessDenied},
    {"SharingViolation", plat::err::kSharingViolation},
    {"PathNotFound", plat::err::kPathNotFound},
    {"DiskError", plat::err::kCrc},
};

const char* const kOpNames[] = {"Enumerate",  "RemoveFile",    "SetAttributes", "RemoveDir",
                                "MakeDir",    "GetAttributes", "LongPathName",  "FullPathName"};
static_assert(std::size(kOpNames) == plat::kFsOpCount);

const std::string kStartMenuFolder = std::string(kPrograms) + "\\ORX Vuvavoredir";
const std::string kTempFiles[] = {std::string(kTemp) + "\\vodere.ini",
                                  std::string(kTemp) + "\\control.ini",
                                  std::string(kTemp) + "\\uninstzova.exe"};

// The places the uninstall may change: the installation, the Start-menu folder, the installer's
// temp files, and "c:\temp", where it looks when the temp directory is not there.
const std::string kNamed[] = {kInstall, kStartMenuFolder, kTempFiles[0], kTempFiles[1],
                              kTempFiles[2], "C:\\temp"};

// What no run may touch: names that share a beginning with the product's, the temp directory's
// and the Start menu's other entries, and what a link inside the installation leads to.
const char* const kOutside[] = {
    "C:\\Trelvia.old\\keep.txt",
    "C:\\Trelvia2\\VLC\\vlc.exe",
    "C:\\Users\\tester\\Temp\\other.ini",
    "C:\\Users\\tester\\Temp\\VLC\\keep.dat",
    "C:\\Users\\tester\\Start Menu\\Programs\\Other\\Other.lnk",
    "C:\\Users\\tester\\Start Menu\\Programs\\ORX Vuvavoredir 2\\Uninstall Vuvavoredir.lnk",
    "D:\\Media\\keep.avi",
};

// The paths here are ASCII.
bool IsUnder(std::string_view path, std::string_view place) {
  const auto same = [](char a, char b) { return std::toupper(a) == std::toupper(b); };
  return path.size() >= place.size() &&
         std::equal(place.begin(), place.end(), path.begin(), same) &&
         (path.size() == place.size() || path[place.size()] == '\\');
}

bool IsNamed(const std::string& path) {
  for (const std::string& place : kNamed) {
    if (IsUnder(path, place)) return true;
  }
  return false;
}

using Snapshot = std::map<std::string, std::uint32_t>;

// Every entry outside the named places with its attributes; links are not followed.
void Walk(plat::FileSystem& fs, const std::string& dir, Snapshot& out) {
  for (const plat::DirEntry& e : fs.Enumerate(dir + "\\*").entries) {
    const std::string path = dir + "\\" + e.name;
    if (e.name == "." || e.name == ".." || IsNamed(path)) continue;
    out[path] = e.attributes;
    if ((e.attributes & plat::attr::kDirectory) && !plat::IsLink(e)) Walk(fs, path, out);
  }
}

struct SweepRun : AppWorld {
  SweepRun() {
    fake.fs.AddDrive('D');
    Install();
    for (const char* path : kOutside) fake.fs.AddFile(path);
    fake.fs.AddLink(std::string(kInstall) + "\\VLC\\plugins\\media", "D:\\Media", true);
    WriteSettingsFor(kInstall);
  }
  Snapshot Outside() {
    Snapshot s;
    Walk(fake.fs, "C:", s);
    Walk(fake.fs, "D:", s);
    return s;
  }
  bool StartMenuCleaned() const { return !fake.fs.Exists(kStartMenuFolder); }
  bool TempCleaned() const {
    for (const std::string& f : kTempFiles) {
      if (fake.fs.Exists(f)) return false;
    }
    return true;
  }
};

// Where in a clean run the Start-menu and the temp stage begin, counted in calls.
struct Stages {
  std::size_t calls;
  std::vector<CallLog::Call> log;
  std::size_t startMenu, temp;
};

Stages CleanRun() {
  SweepRun run;
  CallLog log(run.fake.fs);
  run.Open(run.fake.With(log)).Button1->Click();
  EXPECT_TRUE(run.Warnings().empty());
  EXPECT_FALSE(run.fake.fs.Exists(kInstall));
  EXPECT_TRUE(run.StartMenuCleaned() && run.TempCleaned());
  Stages stages{log.calls.size(), log.calls, log.calls.size(), log.calls.size()};
  for (std::size_t i = 0; i < log.calls.size(); ++i) {
    const std::string& path = log.calls[i].path;
    if (stages.startMenu == stages.calls && IsUnder(path, kStartMenuFolder)) stages.startMenu = i;
    if (i > stages.startMenu && IsUnder(path, kTemp)) {
      stages.temp = i;
      break;
    }
  }
  EXPECT_LT(stages.temp, stages.calls) << "the clean run has no temp stage";
  return stages;
}

// What a run with a failing call broke of the promises above.
std::vector<std::string> Broken(SweepRun& run, const Snapshot& outside, bool beforeStartMenu,
                                bool beforeTemp) {
  std::vector<std::string> broken;
  const auto expect = [&](bool holds, const char* what) {
    if (!holds) broken.emplace_back(what);
  };
  run.fake.fs.ClearFailures();
  expect(run.Outside() == outside, "something outside the product's places changed");
  const std::size_t warnings = run.Warnings().size();
  expect(warnings <= 1, "more than one warning");
  expect(warnings == (run.fake.fs.Exists(kInstall) ? 1u : 0u),
         run.fake.fs.Exists(kInstall) ? "the installation stayed without a warning"
                                      : "a warning although nothing stayed");
  const std::vector<std::string>& texts = run.backend.statusTexts;
  expect(texts.size() >= 2 && texts[texts.size() - 2] == "Remove Menu from Start Menu" &&
             texts.back() == "Remove Uninstall programm",
         "the Start-menu and temp stages did not both run");
  expect(!beforeStartMenu || run.StartMenuCleaned(), "the Start-menu folder stayed");
  expect(!beforeTemp || run.TempCleaned(), "a temp file stayed");
  expect(run.form->Closed() && tk::Application().Terminated(), "the window stayed open");
  expect(!run.form->Animate1->Active(), "the animation still runs");
  return broken;
}

class FaultSweep : public ::testing::TestWithParam<ErrorKind> {};

TEST_P(FaultSweep, EveryCallFailingInTurnKeepsThePromises) {
  const Stages stages = CleanRun();
  const Snapshot outside = SweepRun().Outside();
  int reported = 0;
  // A few calls past the last: nothing fails there.
  for (std::size_t k = 1; k <= stages.calls + 3; ++k) {
    SweepRun run;
    run.fake.fs.FailCall(k, GetParam().code);
    run.Open().Button1->Click();
    for (const std::string& what : Broken(run, outside, k <= stages.startMenu, k <= stages.temp)) {
      if (++reported > 20) return;
      const std::string call = k <= stages.calls
                                   ? std::string(kOpNames[static_cast<int>(stages.log[k - 1].op)]) +
                                         " " + stages.log[k - 1].path
                                   : "none";
      ADD_FAILURE() << "call " << k << " of " << stages.calls << " (" << call << "): " << what;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaultSweep, ::testing::ValuesIn(kErrorKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
