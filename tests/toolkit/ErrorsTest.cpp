#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "toolkit/Errors.h"

using namespace tk;

namespace {

TEST(ErrorsTest, MessagesFollowTheirPatterns) {
  EXPECT_STREQ(EAssertionFailed("MLBase", 756).what(), "Assertion failure (MLBase, line 756)");
  EXPECT_STREQ(EConvertError::NotAnInteger("x1").what(), "'x1' is not a valid integer value");
  EXPECT_EQ(EInOutError(145).ErrorCode(), 145u);
}

struct Conversion {
  const char* text;
  std::optional<std::int32_t> value;  // none: the conversion error
};

TEST(ErrorsTest, StrToIntAcceptsDecimalAndHex) {
  const Conversion cases[] = {
      {"-11", -11},
      {"+7", 7},
      {"$FF", 255},
      {"0x10", 16},
      {"$FFFFFFFF", -1},  // hexadecimal covers all 32 bits
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"", std::nullopt},
      {" 1", std::nullopt},
      {"1.5", std::nullopt},
      {"99999999999", std::nullopt},
      {"2147483648", std::nullopt},
      // One bit beyond 32 once wrapped to 0.
      {"$100000000", std::nullopt},
      {"0x100000000", std::nullopt},
      {"-$100000000", std::nullopt},
  };
  for (const Conversion& c : cases) {
    SCOPED_TRACE(c.text);
    if (c.value) {
      EXPECT_EQ(StrToInt(c.text), *c.value);
      EXPECT_EQ(StrToIntDef(c.text, 0), *c.value);
    } else {
      EXPECT_THROW(StrToInt(c.text), EConvertError);
      EXPECT_EQ(StrToIntDef(c.text, 12345), 12345);
    }
  }
}

}  // namespace
