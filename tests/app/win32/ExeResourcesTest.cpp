// The built uninstzova.exe as Explorer sees it: its version information, manifest and icon, read from
// the file the way Windows reads them. The test runs in the program's build directory.
#include <gtest/gtest.h>

#include <windows.h>
// The shell's declarations need the base ones first.
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"
#include "version.h"

namespace {

const wchar_t* const kExe = L".\\uninstzova.exe";

std::vector<char> VersionBlock() {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(kExe, &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoW(kExe, 0, size, block.data())) block.clear();
  return block;
}

// A value of the first language the file lists.
std::string StringValue(std::vector<char>& block, const std::wstring& name) {
  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < sizeof(Translation)) {
    return "(no translation)";
  }
  wchar_t path[64];
  swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
           translation->codePage, name.c_str());
  wchar_t* value = nullptr;
  if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&value), &length)) {
    return "(missing)";
  }
  return plat::Narrow(value);
}

TEST(ExeResourcesTest, VersionInformationNamesTheProduct) {
  std::vector<char> block = VersionBlock();
  ASSERT_FALSE(block.empty()) << "no version information";
  const struct {
    const wchar_t* name;
    std::string value;
  } cases[] = {
      {L"ProductName", "Trelvia\xC2\xAEplus"},
      {L"FileDescription", "Trelvia\xC2\xAEplus Uninstaller"},
      {L"OriginalFilename", "uninstzova.exe"},
      {L"InternalName", "uninstzova"},
      {L"FileVersion", ZOVA_VERSION_TEXT},
      {L"ProductVersion", ZOVA_VERSION_TEXT},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringValue(block, c.name), c.value) << plat::Narrow(c.name);
  }
}

TEST(ExeResourcesTest, FixedVersionMatchesTheText) {
  std::vector<char> block = VersionBlock();
  ASSERT_FALSE(block.empty());
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const std::string numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                              std::to_string(LOWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(numbers, ZOVA_VERSION_TEXT);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

// The manifest names the program's assembly with the version Explorer shows, and the program asks
// for per-monitor resolution.
TEST(ExeResourcesTest, TheManifestCarriesTheVersionAndTheDpiAwareness) {
  const plat::UniqueModule exe(
      LoadLibraryExW(kExe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_TRUE(exe);
  HRSRC found = FindResourceW(exe.Get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "no manifest";
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(exe.Get(), found)));
  ASSERT_NE(bytes, nullptr);
  const std::string manifest(bytes, SizeofResource(exe.Get(), found));
  EXPECT_NE(manifest.find("name=\"Trelvia.Uninstaller\" version=\"" ZOVA_VERSION_TEXT "\""),
            std::string::npos)
      << manifest;
  EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos) << manifest;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(
      IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name);
  return TRUE;
}

TEST(ExeResourcesTest, TheProgramsIconIsTheFirstIconGroup) {
  std::vector<std::wstring> groups;
  {
    const plat::UniqueModule exe(
        LoadLibraryExW(kExe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(exe);
    EnumResourceNamesW(exe.Get(), RT_GROUP_ICON, &CollectName, reinterpret_cast<LONG_PTR>(&groups));
  }
  ASSERT_FALSE(groups.empty());
  // Explorer shows the first group; the program's windows load it by this name.
  EXPECT_EQ(groups.front(), L"MAINICON");
  // The shell's own reading; 1 would mean the file has no icons at all.
  HICON extracted = ExtractIconW(GetModuleHandleW(nullptr), kExe, 0);
  EXPECT_GT(reinterpret_cast<ULONG_PTR>(extracted), 1u);
  // 1 is no handle, only the answer for a file without icons.
  const plat::UniqueIcon icon(reinterpret_cast<ULONG_PTR>(extracted) > 1 ? extracted : nullptr);
}

}  // namespace
