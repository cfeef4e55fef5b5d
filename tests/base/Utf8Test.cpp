#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/Utf8.h"

namespace {

const std::string kClef = "\xF0\x9D\x84\x9E";  // U+1D11E, a surrogate pair in UTF-16
const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Utf8Test, CountsUtf16Units) {
  EXPECT_EQ(base::Utf16Length(""), 0u);
  EXPECT_EQ(base::Utf16Length("Menü"), 4u);
  EXPECT_EQ(base::Utf16Length("a" + kClef), 3u);
}

TEST(Utf8Test, InvalidBytesDecodeAsReplacement) {
  EXPECT_EQ(base::DecodeUtf8("a\xFF"
                             "b"),
            std::u32string(U"a\uFFFDb"));
  EXPECT_EQ(base::DecodeUtf8("\xC3"), std::u32string(U"\uFFFD"));            // cut short
  EXPECT_EQ(base::DecodeUtf8("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD"));  // overlong
}

TEST(Utf8Test, FindsTheFirstByteThatIsNotUtf8) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"", std::string::npos},
      {"Menü " + kClef + kReplacement, std::string::npos},  // U+FFFD itself is well-formed
      {"caf\xE9", 3},                                       // Latin-1
      {"ab\xC3", 2},                                        // cut short
      {"\xC0\xAF", 0},                                      // overlong
      {"a\xED\xA0\x80", 1},                                 // a surrogate
      {"\xF4\x90\x80\x80", 0},                              // beyond U+10FFFF
      {"ok\xFF", 2},
  };
  for (const auto& [text, offset] : cases) EXPECT_EQ(base::FirstInvalidUtf8(text), offset) << text;
}

TEST(Utf8Test, EncodeReversesDecode) {
  const std::string text = "Ścieżka ü " + kClef;
  EXPECT_EQ(base::EncodeUtf8(base::DecodeUtf8(text)), text);
}

TEST(Utf8Test, EncodesUtf16WithSurrogatePairs) {
  EXPECT_EQ(base::EncodeUtf16("Menü"), u"Menü");
  EXPECT_EQ(base::EncodeUtf16("a" + kClef), std::u16string(u"a\xD834\xDD1E"));
  EXPECT_EQ(base::EncodeUtf16("a\xFF"), u"a\uFFFD");
}

TEST(Utf8Test, CutKeepsWholeCharacters) {
  EXPECT_EQ(base::CutToUtf16Units("Menü 6.1", 4), "Menü");
  EXPECT_EQ(base::CutToUtf16Units("short", 255), "short");
  EXPECT_EQ(base::CutToUtf16Units("ab" + kClef, 4), "ab" + kClef);
}

TEST(Utf8Test, CutThroughSurrogatePairLeavesReplacement) {
  EXPECT_EQ(base::CutToUtf16Units("ab" + kClef + "c", 3), "ab" + kReplacement);
}

}  // namespace
