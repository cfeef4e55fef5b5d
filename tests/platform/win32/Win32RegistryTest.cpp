#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Registry.h"

namespace {

// A key of its own below the current user's hive, deleted with everything in it afterwards.
class Win32RegistryTest : public ::testing::Test {
 protected:
  Win32RegistryTest()
      : path(L"Software\\ZovaPlatformTest\\" + std::to_wstring(GetCurrentProcessId())) {}
  ~Win32RegistryTest() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\ZovaPlatformTest");  // only when now empty
  }
  std::string Path() const {
    return "Software\\ZovaPlatformTest\\" + std::to_string(GetCurrentProcessId());
  }
  void Set(const wchar_t* subKey, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (path + L"\\" + subKey).c_str(), name, type, data,
                              bytes),
              ERROR_SUCCESS);
  }
  void SetString(const wchar_t* subKey, const wchar_t* name, const std::wstring& value,
                 DWORD type = REG_SZ) {
    Set(subKey, name, type, value.c_str(),
        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

  std::wstring path;
  plat::Win32Registry registry;
};

TEST_F(Win32RegistryTest, OpeningCreatesTheKey) {
  ASSERT_NE(registry.OpenCurrentUserKey(Path() + "\\Explorer"), nullptr);
  plat::UniqueHKey key;
  EXPECT_EQ(
      RegOpenKeyExW(HKEY_CURRENT_USER, (path + L"\\Explorer").c_str(), 0, KEY_READ, key.Receive()),
      ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, ReadsStringValueOfSubKey) {
  SetString(L"Shell Folders", L"Programs", L"C:\\Startmenü\\Programs");
  const auto key = registry.OpenCurrentUserKey(Path());
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("shell folders", "PROGRAMS"), "C:\\Startmenü\\Programs");
}

TEST_F(Win32RegistryTest, MissingSubKeyOrValueReadsAsNothing) {
  SetString(L"Shell Folders", L"Desktop", L"C:\\Desktop");
  const auto key = registry.OpenCurrentUserKey(Path());
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("Shell Folders", "Programs"), std::nullopt);
  EXPECT_EQ(key->ReadString("Missing", "Programs"), std::nullopt);
}

TEST_F(Win32RegistryTest, OnlyStringTypesAreRead) {
  const DWORD number = 7;
  Set(L"Shell Folders", L"Number", REG_DWORD, &number, sizeof(number));
  SetString(L"Shell Folders", L"Expand", L"%USERPROFILE%\\Start", REG_EXPAND_SZ);
  const auto key = registry.OpenCurrentUserKey(Path());
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("Shell Folders", "Number"), std::nullopt);
  EXPECT_EQ(key->ReadString("Shell Folders", "Expand"), "%USERPROFILE%\\Start");
}

TEST_F(Win32RegistryTest, ValueWithoutTerminatorReadsWhole) {
  const std::wstring value = L"C:\\Programs";
  Set(L"Shell Folders", L"Programs", REG_SZ, value.c_str(),
      static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  const auto key = registry.OpenCurrentUserKey(Path());
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("Shell Folders", "Programs"), "C:\\Programs");
}

}  // namespace
