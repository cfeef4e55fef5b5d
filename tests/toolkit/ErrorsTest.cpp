#include <gtest/gtest.h>

#include "toolkit/Errors.h"

using namespace tk;

namespace {

TEST(ErrorsTest, MessagesFollowTheirPatterns) {
  EXPECT_STREQ(EAssertionFailed("MLBase", 756).what(), "Assertion failure (MLBase, line 756)");
  EXPECT_STREQ(EConvertError::NotAnInteger("x1").what(), "'x1' is not a valid integer value");
  EXPECT_EQ(EInOutError(145).ErrorCode(), 145u);
}

TEST(ErrorsTest, StrToIntAcceptsDecimalAndHex) {
  EXPECT_EQ(StrToInt("-11"), -11);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_THROW(StrToInt(""), EConvertError);
  EXPECT_THROW(StrToInt(" 1"), EConvertError);
  EXPECT_THROW(StrToInt("1.5"), EConvertError);
  EXPECT_THROW(StrToInt("99999999999"), EConvertError);
  EXPECT_EQ(StrToIntDef("abc", 0), 0);
  EXPECT_EQ(StrToIntDef("257", 0), 257);
}

}  // namespace
