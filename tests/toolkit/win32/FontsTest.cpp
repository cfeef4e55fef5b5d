#include <gtest/gtest.h>

#include "toolkit/win32/Fonts.h"

using namespace tk;
using tk::win32::CreateFontFor;
using tk::win32::LogFontFor;

namespace {

TEST(FontsTest, DefaultFontIsEightPointSansSerif) {
  TFont font;
  const LOGFONTW lf = LogFontFor(font);
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
  EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif");
  EXPECT_FALSE(lf.lfItalic);
  EXPECT_FALSE(lf.lfUnderline);
  EXPECT_FALSE(lf.lfStrikeOut);
}

TEST(FontsTest, StyleAndCharacterSetCarryOver) {
  TFont font;
  font.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
  font.SetCharSet(238);
  font.SetHeight(-13);
  const LOGFONTW lf = LogFontFor(font);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_TRUE(lf.lfStrikeOut);
  EXPECT_EQ(lf.lfCharSet, 238);
  EXPECT_EQ(lf.lfHeight, -13);
}

TEST(FontsTest, LongFaceNamesAreCutToTheFieldSize) {
  TFont font;
  font.SetName(std::string(40, 'x'));
  const LOGFONTW lf = LogFontFor(font);
  EXPECT_EQ(std::wstring(lf.lfFaceName), std::wstring(LF_FACESIZE - 1, L'x'));
}

TEST(FontsTest, CreatedFontHasTheDescription) {
  TFont font;
  font.SetStyle(fsBold);
  font.SetCharSet(204);
  const auto handle = CreateFontFor(font);
  ASSERT_TRUE(handle);
  LOGFONTW lf{};
  ASSERT_NE(GetObjectW(handle.Get(), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfCharSet, 204);
}

}  // namespace
