#include <ostream>
#include <string>

#include "app/InstallDirGuard.h"
#include "platform/CaseFold.h"
#include "tests/app/AppFixture.h"

namespace app {
// Failures name the refusal.
void PrintTo(InstallDirRefusal refusal, std::ostream* out) {
  static const char* const kNames[] = {"kNone",   "kEmpty",   "kNotAbsolute", "kRoot",
                                       "kDevice", "kBadName", "kProtected"};
  *out << kNames[static_cast<int>(refusal)];
}
}  // namespace app

namespace {

using app::InstallDirRefusal;
using R = InstallDirRefusal;

// The fake with the short (8.3) names a real disk keeps for its long ones.
class ShortNames : public plat::FakeFileSystem {
 public:
  std::optional<std::string> LongPathName(std::string_view path) override {
    std::string p(path);
    for (const auto& [shortName, longName] : kAliases) {
      const std::string_view s(shortName);
      if (plat::SameName(std::string_view(p).substr(0, s.size()), s) &&
          (p.size() == s.size() || p[s.size()] == '\\')) {
        p = longName + p.substr(s.size());
      }
    }
    return plat::FakeFileSystem::LongPathName(p);
  }

 private:
  static constexpr std::pair<const char*, const char*> kAliases[] = {
      {"C:\\PROGRA~1", "C:\\Program Files"}, {"C:\\Users\\TESTER~1", "C:\\Users\\tester"}};
};

struct Case {
  const char* value;
  InstallDirRefusal refusal;
  const char* dir = "";  // the canonical path of an accepted value
};

std::string Repeat(const std::string& part, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += part;
  return out;
}

const std::string kLong = "C:\\" + Repeat("Verzeichnis\\", 30) + "Trelvia";  // 365 characters
const std::string kVerbatimLong = "\\\\?\\" + kLong;
const std::string kLongUp = kLong + Repeat("\\..", 31);
const std::string kTooLong = "C:\\" + Repeat("x", 40000);

const Case kCases[] = {
    // The spellings of the issue.
    {"C:\\.", R::kRoot},
    {"C:\\Programme\\..", R::kRoot},
    {"C:\\windows", R::kProtected},
    {"C:/Programme/Trelvia", R::kNone, "C:\\Programme\\Trelvia"},
    {"C:\\", R::kRoot},
    // Judged as written.
    {"", R::kEmpty},
    {"Trelvia", R::kNotAbsolute},
    {"..\\Trelvia", R::kNotAbsolute},
    {"\\Trelvia", R::kNotAbsolute},
    {"/Trelvia", R::kNotAbsolute},
    {"C:", R::kNotAbsolute},
    {"c:Trelvia", R::kNotAbsolute},
    {"C:\\Tre\x01lvia", R::kBadName},
    // Roots in other spellings.
    {"C:\\\\", R::kRoot},
    {"C:/", R::kRoot},
    {"c:\\a\\..\\..\\..", R::kRoot},
    {"C:\\...", R::kRoot},
    {"C:\\ . ", R::kRoot},
    {"C:\\Windows\\..", R::kRoot},
    {kLongUp.c_str(), R::kRoot},
    // Accepted, in canonical form.
    {"C:\\Trelvia", R::kNone, "C:\\Trelvia"},
    {"C:\\Trelvia\\", R::kNone, "C:\\Trelvia"},
    {"d:\\Programme\\Trelvia\\", R::kNone, "d:\\Programme\\Trelvia"},
    {"C:\\Trelvia\\.", R::kNone, "C:\\Trelvia"},
    {"C:\\Trelvia\\...", R::kNone, "C:\\Trelvia"},
    {"C:\\Trelvia. . ", R::kNone, "C:\\Trelvia"},
    {"C:\\Trelvia.\\", R::kNone, "C:\\Trelvia"},
    {"C://Programme//Trelvia//", R::kNone, "C:\\Programme\\Trelvia"},
    {"C:\\Windows\\..\\Trelvia", R::kNone, "C:\\Trelvia"},
    {"C:\\COM0", R::kNone, "C:\\COM0"},
    {"C:\\Windows.old", R::kNone, "C:\\Windows.old"},
    {"C:\\WindowsApps", R::kNone, "C:\\WindowsApps"},
    {kLong.c_str(), R::kNone, kLong.c_str()},
    // Names Windows would change the next time, or cannot hold.
    {"C:\\Trelvia. \\", R::kBadName},
    {"C:\\a..\\Trelvia", R::kBadName},  // resolves to "C:\a.\Trelvia"
    {"C:\\Tre*via", R::kBadName},
    {"C:\\Trelvia:stream", R::kBadName},
    {kTooLong.c_str(), R::kBadName},
    // Shares.
    {"\\\\server\\share\\Trelvia", R::kNone, "\\\\server\\share\\Trelvia"},
    {"//server/share/Trelvia/", R::kNone, "\\\\server\\share\\Trelvia"},
    {"\\\\server\\share\\x\\..\\..\\..\\Trelvia", R::kNone, "\\\\server\\share\\Trelvia"},
    {"\\\\server\\share", R::kRoot},
    {"\\\\server\\share\\", R::kRoot},
    {"\\\\server\\share\\..", R::kRoot},
    {"\\\\server", R::kRoot},
    {"\\\\server\\", R::kRoot},
    {"\\\\server\\\\share\\Trelvia", R::kRoot},
    {"\\\\server\\..\\Trelvia", R::kBadName},
    // The device namespace.
    {"\\\\?\\C:\\Trelvia", R::kNone, "\\\\?\\C:\\Trelvia"},
    {"\\\\?\\C:\\Trelvia\\", R::kNone, "\\\\?\\C:\\Trelvia"},
    {"\\\\.\\C:\\Trelvia", R::kNone, "\\\\.\\C:\\Trelvia"},
    {"//?/C:/Trelvia", R::kNone, "\\\\?\\C:\\Trelvia"},
    {"\\\\?\\UNC\\server\\share\\Trelvia", R::kNone, "\\\\?\\UNC\\server\\share\\Trelvia"},
    {kVerbatimLong.c_str(), R::kNone, kVerbatimLong.c_str()},
    {"\\\\?\\C:\\", R::kRoot},
    {"\\\\?\\UNC\\server\\share", R::kRoot},
    {"\\\\?\\C:", R::kDevice},
    {"\\\\.\\C:", R::kDevice},
    {"\\\\.\\C:\\Trelvia\\..", R::kDevice},
    {"\\\\?\\C:/Trelvia", R::kDevice},
    {"\\\\.\\pipe\\Trelvia", R::kDevice},
    {"\\\\?\\Volume{12345678-1234-1234-1234-123456789abc}\\Trelvia", R::kDevice},
    {"\\\\.\\PhysicalDrive0", R::kDevice},
    {"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\Trelvia", R::kDevice},
    {"\\\\.", R::kDevice},
    {"\\\\?", R::kDevice},
    // "\\?\" goes to the file system as it stands: what the rules would resolve stays.
    {"\\\\?\\C:\\Programme\\..", R::kBadName},
    {"\\\\?\\C:\\.\\Trelvia", R::kBadName},
    {"\\\\?\\C:\\Trelvia. ", R::kBadName},
    {"\\\\?\\C:\\Programme\\\\Trelvia", R::kBadName},
    // Reserved device names, with an extension too, in any segment.
    {"C:\\Trelvia\\CON", R::kDevice},
    {"C:\\Trelvia\\nul.txt", R::kDevice},
    {"C:\\Trelvia\\COM\xC2\xB9", R::kDevice},  // COM¹
    {"C:\\LPT9\\Trelvia", R::kDevice},
    {"C:\\aux .log\\Trelvia", R::kDevice},
    {"\\\\?\\C:\\PRN", R::kDevice},
    {"\\\\server\\share\\CONIN$", R::kDevice},
    // The folders of Windows and of the user, what lies below them and what holds them.
    {"c:\\WINDOWS\\", R::kProtected},
    {"C:\\Windows\\System32", R::kProtected},
    {"C:\\Windows\\Temp\\Trelvia", R::kProtected},
    {"\\\\?\\C:\\Windows\\Trelvia", R::kProtected},
    {"C:\\Program Files", R::kProtected},
    {"C:\\PROGRA~1", R::kProtected},
    {"C:\\Program Files\\Trelvia", R::kNone, "C:\\Program Files\\Trelvia"},
    {"C:\\PROGRA~1\\Trelvia", R::kNone, "C:\\PROGRA~1\\Trelvia"},
    {"C:\\Program Files (x86)", R::kProtected},
    {"C:\\ProgramData", R::kProtected},
    {"C:\\ProgramData\\Trelvia", R::kNone, "C:\\ProgramData\\Trelvia"},
    {"C:\\Users", R::kProtected},
    {"C:\\Users\\tester", R::kProtected},
    {"C:\\users\\TESTER\\", R::kProtected},
    {"C:\\Users\\TESTER~1", R::kProtected},
    {"\\\\.\\C:\\Users", R::kProtected},
    {"C:\\Users\\tester\\Trelvia", R::kNone, "C:\\Users\\tester\\Trelvia"},
    {"C:\\Users\\tester\\Desktop", R::kProtected},
    {"C:\\Users\\tester\\Documents\\..\\Desktop\\", R::kProtected},
    {"C:\\Users\\tester\\Desktop\\Trelvia", R::kNone, "C:\\Users\\tester\\Desktop\\Trelvia"},
    {"C:\\Users\\tester\\Documents", R::kProtected},
    {"C:\\Users\\tester\\Downloads", R::kProtected},
    {"C:\\Users\\tester\\Temp", R::kProtected},
    {"C:\\Users\\tester\\Temp\\Trelvia", R::kNone, "C:\\Users\\tester\\Temp\\Trelvia"},
    {"C:\\Users\\Public", R::kNone, "C:\\Users\\Public"},
};

TEST(InstallDirGuardTest, JudgesEverySpelling) {
  ShortNames fs;
  fs.AddDirectory("C:\\Program Files");
  fs.AddDirectory("C:\\Users\\tester");
  plat::FakeKnownFolders folders;
  apptest::SetKnownFolders(folders);
  for (const Case& c : kCases) {
    const app::InstallDirVerdict verdict = app::JudgeInstallDir(c.value, fs, folders);
    EXPECT_EQ(verdict.refusal, c.refusal) << c.value;
    EXPECT_EQ(verdict.dir, c.dir) << c.value;
  }
}

// The folders are the system's, in whatever spelling it reports them, not a list of the guard's.
TEST(InstallDirGuardTest, FoldersComeFromTheSystemInItsSpelling) {
  ShortNames fs;
  fs.AddDirectory("C:\\Users\\tester\\Temp");
  plat::FakeKnownFolders folders;
  folders.Set(plat::KnownFolder::kWindows, "d:/winnt/");
  folders.Set(plat::KnownFolder::kTemp, "C:\\Users\\TESTER~1\\Temp\\");
  const Case cases[] = {
      {"D:\\WinNT\\Trelvia", R::kProtected},
      {"C:\\Users\\tester\\Temp", R::kProtected},
      {"C:\\Users", R::kProtected},
      {"C:\\Windows", R::kNone, "C:\\Windows"},
      {"C:\\Program Files", R::kNone, "C:\\Program Files"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::JudgeInstallDir(c.value, fs, folders).refusal, c.refusal) << c.value;
  }
}

// A folder that cannot be resolved cannot be told apart from the installation.
TEST(InstallDirGuardTest, UnresolvedFolderRefusesEveryValue) {
  plat::FakeFileSystem fs;
  plat::FakeKnownFolders folders;
  apptest::SetKnownFolders(folders);
  EXPECT_EQ(app::JudgeInstallDir("C:\\Trelvia", fs, folders).refusal, R::kNone);
  fs.FailOn(plat::FsOp::kFullPathName, "C:\\Users\\tester\\Documents", plat::err::kCrc);
  EXPECT_EQ(app::JudgeInstallDir("C:\\Trelvia", fs, folders).refusal, R::kProtected);
}

}  // namespace
