#include <gtest/gtest.h>

#include "toolkit/win32/Resources.h"

using tk::win32::DecodeText;
using tk::win32::LoadApplicationIcon;
using tk::win32::LoadBitmapResource;

namespace {

TEST(DecodeTextTest, Utf8PassesThroughWithoutItsByteOrderMark) {
  EXPECT_EQ(DecodeText("abc"), "abc");
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF\xC5\x9A"), "\xC5\x9A");
  EXPECT_EQ(DecodeText(""), "");
}

TEST(DecodeTextTest, Utf16WithByteOrderMarkIsConverted) {
  EXPECT_EQ(DecodeText(std::string("\xFF\xFE"
                                   "A\0\x5A\x01",
                                   6)),
            "A\xC5\x9A");
  // An odd trailing byte is no character.
  EXPECT_EQ(DecodeText(std::string("\xFF\xFE"
                                   "A\0B",
                                   5)),
            "A");
}

TEST(ResourcesTest, BitmapResourceLoadsAndAMissingOneIsEmpty) {
  EXPECT_TRUE(LoadBitmapResource("LOGO"));
  EXPECT_FALSE(LoadBitmapResource("NO_SUCH_PICTURE"));
  EXPECT_FALSE(LoadBitmapResource(""));
}

TEST(ResourcesTest, ApplicationIconIsFound) {
  EXPECT_NE(LoadApplicationIcon(32), nullptr);
}

}  // namespace
