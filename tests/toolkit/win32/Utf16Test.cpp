#include <gtest/gtest.h>

#include "toolkit/win32/Utf16.h"

using tk::win32::Narrow;
using tk::win32::Widen;

namespace {

TEST(Utf16Test, PolishLettersRoundTrip) {
  const std::string polish =
      "\xC5\x9A"
      "cie\xC5\xBCka \xC4\x84\xC4\x86\xC4\x98\xC5\x81\xC5\x83\xC3\x93";
  EXPECT_EQ(Widen(polish), L"\u015Acie\u017Cka \u0104\u0106\u0118\u0141\u0143\u00D3");
  EXPECT_EQ(Narrow(Widen(polish)), polish);
}

TEST(Utf16Test, CharactersOutsideTheBasicPlaneUseSurrogatePairs) {
  const std::wstring wide = Widen("\xF0\x9F\x98\x80");  // U+1F600
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], 0xD83D);
  EXPECT_EQ(wide[1], 0xDE00);
  EXPECT_EQ(Narrow(wide), "\xF0\x9F\x98\x80");
}

TEST(Utf16Test, EmbeddedZerosAndEmptyTextsSurvive) {
  EXPECT_EQ(Widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
  EXPECT_EQ(Narrow(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(Widen(""), L"");
  EXPECT_EQ(Narrow(L""), "");
}

TEST(Utf16Test, InvalidUtf8BecomesReplacementCharacters) {
  const std::wstring wide = Widen(
      "a\xFF"
      "b");
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[0], L'a');
  EXPECT_EQ(wide[1], 0xFFFD);
  EXPECT_EQ(wide[2], L'b');
}

}  // namespace
