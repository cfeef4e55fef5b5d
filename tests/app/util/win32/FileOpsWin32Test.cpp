#include <gtest/gtest.h>
#include <windows.h>

#include "app/util/FileOps.h"
#include "base/Errors.h"
#include "platform/CaseFold.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/support/win32/ScratchDir.h"

namespace {

using app::DeleteFiles;

class DeleteFilesWin32Test : public ::testing::Test {
 protected:
  testsupport::ScratchDir scratch;
  plat::Win32FileSystem fs;
};

TEST_F(DeleteFilesWin32Test, DeletesReadOnlyHiddenAndSystemFiles) {
  scratch.AddFile("d\\plain.txt");
  scratch.AddFile("d\\readonly.txt", FILE_ATTRIBUTE_READONLY);
  scratch.AddFile("d\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  scratch.AddFile("d\\system.txt", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  DeleteFiles(fs, scratch.Path("d\\"), "*.*", false);
  EXPECT_FALSE(scratch.Exists("d\\plain.txt"));
  EXPECT_FALSE(scratch.Exists("d\\readonly.txt"));
  EXPECT_FALSE(scratch.Exists("d\\hidden.txt"));
  EXPECT_FALSE(scratch.Exists("d\\system.txt"));
  EXPECT_TRUE(scratch.Exists("d"));
}

TEST_F(DeleteFilesWin32Test, RemovesTreeWithReadOnlyDirectories) {
  scratch.AddFile("d\\VLC\\plugins\\access\\lib.dll", FILE_ATTRIBUTE_READONLY);
  scratch.AddFile("d\\VLC\\locale\\de\\LC_MESSAGES\\vlc.mo", FILE_ATTRIBUTE_HIDDEN);
  scratch.AddFile("d\\VLC\\Menü\\f.txt");
  scratch.AddDirectory("d\\VLC\\readonly", FILE_ATTRIBUTE_READONLY);
  DeleteFiles(fs, scratch.Path("d\\"), "*.*", true);
  EXPECT_FALSE(scratch.Exists("d\\VLC"));
  EXPECT_TRUE(scratch.Exists("d"));
}

TEST_F(DeleteFilesWin32Test, LeavesHiddenAndSystemDirectories) {
  scratch.AddFile("d\\hidden\\inner.txt");
  scratch.AddDirectory("d\\hidden", FILE_ATTRIBUTE_HIDDEN);
  scratch.AddFile("d\\system\\inner.txt");
  scratch.AddDirectory("d\\system", FILE_ATTRIBUTE_SYSTEM);
  scratch.AddFile("d\\plain\\inner.txt");
  EXPECT_NO_THROW(DeleteFiles(fs, scratch.Path("d\\"), "*.*", true));
  EXPECT_TRUE(scratch.Exists("d\\hidden\\inner.txt"));
  EXPECT_TRUE(scratch.Exists("d\\system\\inner.txt"));
  EXPECT_EQ(scratch.Attributes("d\\hidden"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(scratch.Exists("d\\plain"));
}

TEST_F(DeleteFilesWin32Test, NonRecursiveLeavesSubdirectories) {
  scratch.AddFile("d\\sub\\inner.txt");
  scratch.AddFile("d\\top.txt");
  DeleteFiles(fs, scratch.Path("d\\"), "*.*", false);
  EXPECT_TRUE(scratch.Exists("d\\sub\\inner.txt"));
  EXPECT_FALSE(scratch.Exists("d\\top.txt"));
}

TEST_F(DeleteFilesWin32Test, MissingDirectoryDoesNothing) {
  EXPECT_NO_THROW(DeleteFiles(fs, scratch.Path("missing\\"), "*.*", true));
}

// Another process holds a file open (without delete sharing unless a test says otherwise) while
// the test runs.
class HeldFileTest : public DeleteFilesWin32Test {
 protected:
  void SetUp() override {
    scratch.AddFile("d\\sub\\held.txt");
    scratch.AddFile("d\\sub\\free.txt");
    const std::wstring tag = std::to_wstring(GetCurrentProcessId());
    const std::wstring readyName = L"Local\\zova_hold_ready_" + tag;
    const std::wstring releaseName = L"Local\\zova_hold_release_" + tag;
    ready_.Reset(CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
    release_.Reset(CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str()));
    ASSERT_TRUE(ready_ && release_);

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring helper = self;
    helper = helper.substr(0, helper.find_last_of(L'\\') + 1) + L"zova_hold_file.exe";
    std::wstring command = L"\"" + helper + L"\" \"" +
                           plat::Widen(scratch.Path("d\\sub\\held.txt")) + L"\" " + readyName +
                           L" " + releaseName + (sharesDelete_ ? L" share-delete" : L"");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(helper.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &info))
        << "cannot start " << plat::Narrow(helper);
    process_.Reset(info.hProcess);
    const plat::UniqueKernelHandle thread(info.hThread);  // not waited for
    const HANDLE waits[] = {ready_.Get(), process_.Get()};
    ASSERT_EQ(WaitForMultipleObjects(2, waits, FALSE, 30000), WAIT_OBJECT_0)
        << "the helper did not open the file";
  }
  void TearDown() override { Release(); }
  void Release() {
    if (!process_) return;
    SetEvent(release_.Get());
    if (WaitForSingleObject(process_.Get(), 10000) != WAIT_OBJECT_0) {
      TerminateProcess(process_.Get(), 1);
      WaitForSingleObject(process_.Get(), 10000);
    }
    process_.Reset();
  }

  bool sharesDelete_ = false;

 private:
  plat::UniqueKernelHandle ready_, release_, process_;
};

TEST_F(HeldFileTest, HeldFileStaysSilentlyWithoutRecursion) {
  EXPECT_NO_THROW(DeleteFiles(fs, scratch.Path("d\\sub\\"), "*.*", false));
  EXPECT_TRUE(scratch.Exists("d\\sub\\held.txt"));
  EXPECT_FALSE(scratch.Exists("d\\sub\\free.txt"));
}

TEST_F(HeldFileTest, HeldFileMakesRecursiveDeleteRaise) {
  EXPECT_THROW(DeleteFiles(fs, scratch.Path("d\\"), "*.*", true), base::EInOutError);
  EXPECT_TRUE(scratch.Exists("d\\sub\\held.txt"));
  Release();
  EXPECT_NO_THROW(DeleteFiles(fs, scratch.Path("d\\"), "*.*", true));
  EXPECT_FALSE(scratch.Exists("d\\sub"));
}

// The holder lets go during the first pause of the wait for it; the pause's window hook stands in
// for a holder that was about to close anyway. With delete sharing, deleting the file succeeds and
// its directory is the one that waits.
class BrieflyHeldFileTest : public HeldFileTest, public ::testing::WithParamInterface<bool> {
 protected:
  BrieflyHeldFileTest() { sharesDelete_ = GetParam(); }
};

TEST_P(BrieflyHeldFileTest, IsRemovedOnceItsHolderLetsGo) {
  plat::Win32Clock clock;
  int pauses = 0;
  app::RetryPolicy retry(clock, [&] {
    if (pauses++ == 0) Release();
  });
  EXPECT_NO_THROW(app::RemoveTree(fs, scratch.Path("d"), retry));
  EXPECT_FALSE(scratch.Exists("d"));
  EXPECT_GT(pauses, 0);
}

INSTANTIATE_TEST_SUITE_P(Sharing, BrieflyHeldFileTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "DeleteShared" : "NoDeleteSharing";
                         });

// The Windows name of a Unix path, when running under Wine.
std::optional<std::string> DosPathOf(const std::string& unixPath) {
  using Convert = WCHAR*(CDECL*)(LPCSTR);
  const FARPROC proc = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name");
  if (!proc) return std::nullopt;
  WCHAR* dos = reinterpret_cast<Convert>(reinterpret_cast<void*>(proc))(unixPath.c_str());
  if (!dos) return std::nullopt;
  std::string result = plat::Narrow(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return result;
}

TEST(DeleteFilesUnixLinkTest, LinksOutOfTheTreeAreNeverFollowed) {
  const std::optional<std::string> unixRoot = plat::Win32Environment().Get("ZOVA_LINK_TREE");
  if (!unixRoot) GTEST_SKIP() << "ZOVA_LINK_TREE not set: run through ctest";
  const std::optional<std::string> root = DosPathOf(*unixRoot);
  if (!root) GTEST_SKIP() << "not running under Wine";
  plat::Win32FileSystem fs;
  ASSERT_TRUE(plat::FileExists(fs, *root + "\\outside\\keep.txt")) << "fixture missing";
  ASSERT_EQ(fs.GetAttributes(*root + "\\tree\\absolute").value,
            plat::attr::kDirectory | plat::attr::kReparsePoint);

  // Wine removes a Unix symlink neither as a directory nor as a file, so the link stays and the
  // directory pass raises; nothing behind it may have been touched.
  EXPECT_THROW(DeleteFiles(fs, *root + "\\tree\\", "*.*", true), base::EInOutError);
  EXPECT_TRUE(plat::FileExists(fs, *root + "\\outside\\keep.txt"));
  EXPECT_TRUE(plat::FileExists(fs, *root + "\\outside\\sub\\inner.txt"));
  EXPECT_TRUE(plat::IsExistingDirectory(fs, *root + "\\outside\\sub"));
  EXPECT_EQ(fs.GetAttributes(*root + "\\outside").value, plat::attr::kDirectory);
}

// Changes "temp" for one test and puts it and C:\temp back afterwards.
class GetTempDirWin32Test : public ::testing::Test {
 protected:
  GetTempDirWin32Test()
      : saved_(env.Get("temp")), hadCTemp_(app::IsExistingDirectory(fs, "C:\\temp")) {}
  ~GetTempDirWin32Test() override {
    SetEnvironmentVariableW(L"temp", saved_ ? plat::Widen(*saved_).c_str() : nullptr);
    if (!hadCTemp_) RemoveDirectoryW(L"C:\\temp");
  }
  void SetTemp(const std::optional<std::string>& value) {
    SetEnvironmentVariableW(L"temp", value ? plat::Widen(*value).c_str() : nullptr);
  }

  testsupport::ScratchDir scratch;
  plat::Win32FileSystem fs;
  plat::Win32Environment env;

 private:
  std::optional<std::string> saved_;
  bool hadCTemp_;
};

TEST_F(GetTempDirWin32Test, ExistingDirectoryInItsLongForm) {
  scratch.AddDirectory("a rather long directory name");
  const std::string longPath = scratch.Path("a rather long directory name");
  wchar_t shortPath[MAX_PATH];
  ASSERT_NE(GetShortPathNameW(plat::Widen(longPath).c_str(), shortPath, MAX_PATH), 0u);
  SetTemp(plat::Narrow(shortPath));
  const std::string dir = app::GetTempDir(fs, env);
  EXPECT_TRUE(plat::SameName(dir, longPath + "\\")) << dir;
}

TEST_F(GetTempDirWin32Test, UnsetFallsBackToCTemp) {
  SetTemp(std::nullopt);
  EXPECT_EQ(app::GetTempDir(fs, env), "c:\\temp\\");
  EXPECT_TRUE(app::IsExistingDirectory(fs, "C:\\temp"));
}

TEST_F(GetTempDirWin32Test, MissingDirectoryFallsBackToCTemp) {
  SetTemp(scratch.Path("missing"));
  EXPECT_EQ(app::GetTempDir(fs, env), "c:\\temp\\");
  EXPECT_TRUE(app::IsExistingDirectory(fs, "C:\\temp"));
}

}  // namespace
