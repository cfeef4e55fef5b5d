#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "platform/win32/Utf16.h"
#include "platform/win32/Win32IniFiles.h"
#include "tests/support/win32/ScratchDir.h"

namespace {

class Win32IniFilesTest : public ::testing::Test {
 protected:
  std::string Write(std::string_view name, std::string_view bytes) {
    const std::string path = scratch.Path(name);
    std::ofstream(plat::Widen(path).c_str(), std::ios::binary).write(bytes.data(), bytes.size());
    return path;
  }
  testsupport::ScratchDir scratch;
  plat::Win32IniFiles files;
};

TEST_F(Win32IniFilesTest, SectionAndKeyNamesIgnoreCase) {
  const auto ini =
      files.Open(Write("vodere.ini", "[TRElvia]\r\nLang=2\r\ndirectory=C:\\Trelvia\r\n"));
  EXPECT_EQ(ini->ReadString("trelvia", "LANG", "0"), "2");
  EXPECT_EQ(ini->ReadString("Trelvia", "Directory", ""), "C:\\Trelvia");
  EXPECT_EQ(ini->ReadString("trelvia", "missing", "fallback"), "fallback");
}

TEST_F(Win32IniFilesTest, OnlyTheFirstOfTwoSectionsIsRead) {
  const auto ini = files.Open(Write("twice.ini", "[a]\r\nx=1\r\n[A]\r\nx=2\r\ny=3\r\n"));
  EXPECT_EQ(ini->ReadString("a", "x", "-"), "1");
  EXPECT_EQ(ini->ReadString("a", "y", "-"), "-");
}

TEST_F(Win32IniFilesTest, MissingFileReadsAsEmpty) {
  const auto ini = files.Open(scratch.Path("missing.ini"));
  EXPECT_EQ(ini->ReadString("trelvia", "Lang", "0"), "0");
  EXPECT_EQ(ini->ReadString("trelvia", "directory", ""), "");
}

TEST_F(Win32IniFilesTest, ReadsUtf16FileWithByteOrderMark) {
  const std::wstring text = L"\xFEFF[trelvia]\r\ndirectory=C:\\Programme\\Menü\r\n";
  const auto ini = files.Open(Write(
      "utf16.ini", std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2)));
  EXPECT_EQ(ini->ReadString("TRELVIA", "directory", ""), "C:\\Programme\\Menü");
}

TEST_F(Win32IniFilesTest, ReadsValuesLongerThanTheFirstBuffer) {
  const std::string value(5000, 'v');
  const auto ini = files.Open(Write("long.ini", "[s]\r\nk=" + value + "\r\n"));
  EXPECT_EQ(ini->ReadString("s", "k", ""), value);
}

}  // namespace
