#include <gtest/gtest.h>

#include "platform/win32/Utf16.h"

namespace {

TEST(Utf16Test, RoundTripsEveryPlane) {
  const std::string text = "Ścieżka Menü \xF0\x9D\x84\x9E";
  const std::wstring wide = plat::Widen(text);
  EXPECT_EQ(wide, std::wstring(L"\u015Acie\u017Cka Men\u00FC \xD834\xDD1E"));
  EXPECT_EQ(plat::Narrow(wide), text);
  EXPECT_EQ(plat::Widen(""), L"");
  EXPECT_EQ(plat::Narrow(L""), "");
}

TEST(Utf16Test, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(plat::Widen("a\xFF"), std::wstring(L"a\uFFFD"));
  EXPECT_EQ(plat::Narrow(std::wstring(L"a\xD834")), "a\xEF\xBF\xBD");  // lone surrogate
}

TEST(Utf16Test, KeepsEmbeddedNulls) {
  EXPECT_EQ(plat::Widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

}  // namespace
