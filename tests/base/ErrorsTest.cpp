#include <gtest/gtest.h>

#include "base/Errors.h"

namespace {

TEST(ErrorsTest, MessagesFollowTheirPatterns) {
  EXPECT_STREQ(base::EAssertionFailed("MLBase", 756).what(),
               "Assertion failure (MLBase, line 756)");
  EXPECT_STREQ(base::EConvertError::NotAnInteger("x1").what(), "'x1' is not a valid integer value");
  EXPECT_STREQ(base::EStringListError::IndexOutOfBounds(-1).what(),
               "List index out of bounds (-1)");
  EXPECT_STREQ(base::EInOutError(145).what(), "I/O error 145");
  EXPECT_EQ(base::EInOutError(145).ErrorCode(), 145u);
}

}  // namespace
