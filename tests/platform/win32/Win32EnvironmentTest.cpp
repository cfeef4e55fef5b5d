#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/Win32Environment.h"

namespace {

class Win32EnvironmentTest : public ::testing::Test {
 protected:
  ~Win32EnvironmentTest() override { SetEnvironmentVariableW(kName, nullptr); }
  static constexpr const wchar_t* kName = L"ZOVA_PLATFORM_TEST";
  plat::Win32Environment env;
};

TEST_F(Win32EnvironmentTest, ReadsVariableWithoutRegardToCase) {
  SetEnvironmentVariableW(kName, L"C:\\Tmp\\Menü");
  EXPECT_EQ(env.Get("zova_platform_test"), "C:\\Tmp\\Menü");
}

TEST_F(Win32EnvironmentTest, TellsUnsetFromEmpty) {
  EXPECT_EQ(env.Get("ZOVA_PLATFORM_TEST"), std::nullopt);
  SetEnvironmentVariableW(kName, L"");
  EXPECT_EQ(env.Get("ZOVA_PLATFORM_TEST"), "");
}

TEST_F(Win32EnvironmentTest, ReadsLongValuesWhole) {
  const std::wstring value(1000, L'x');
  SetEnvironmentVariableW(kName, value.c_str());
  EXPECT_EQ(env.Get("ZOVA_PLATFORM_TEST"), std::string(1000, 'x'));
}

}  // namespace
