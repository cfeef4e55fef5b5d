#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "base/Errors.h"
#include "base/Integer.h"

namespace {

struct Conversion {
  const char* text;
  std::optional<std::int32_t> runtime;  // none: the conversion error
  std::optional<std::int32_t> plain;
};

TEST(IntegerTest, BothSyntaxesOnOneTable) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const Conversion cases[] = {
      {"-11", -11, -11},
      {"+7", 7, std::nullopt},
      {"$FF", 255, 255},
      {"$ff", 255, 255},
      {"0x10", 16, std::nullopt},
      {"$FFFFFFFF", -1, -1},  // hexadecimal covers all 32 bits
      {"-$1", -1, -1},
      {"-$80000000", kMin, kMin},
      {"2147483647", 2147483647, 2147483647},
      {"-2147483648", kMin, kMin},
      {"", std::nullopt, std::nullopt},
      {"-", std::nullopt, std::nullopt},
      {"$", std::nullopt, std::nullopt},
      {" 1", std::nullopt, std::nullopt},
      {"1.5", std::nullopt, std::nullopt},
      {"12x", std::nullopt, std::nullopt},
      {"1a", std::nullopt, std::nullopt},  // hexadecimal digits only after "$"
      {"99999999999", std::nullopt, std::nullopt},
      {"2147483648", std::nullopt, std::nullopt},
      // One bit beyond 32 once wrapped to 0.
      {"$100000000", std::nullopt, std::nullopt},
      {"0x100000000", std::nullopt, std::nullopt},
      {"-$100000000", std::nullopt, std::nullopt},
  };
  for (const Conversion& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(base::ParseInt32(c.text, base::IntSyntax::Plain), c.plain);
    if (c.runtime) {
      EXPECT_EQ(base::StrToInt(c.text), *c.runtime);
      EXPECT_EQ(base::StrToIntDef(c.text, 0), *c.runtime);
    } else {
      EXPECT_THROW(base::StrToInt(c.text), base::EConvertError);
      EXPECT_EQ(base::StrToIntDef(c.text, 12345), 12345);
    }
  }
}

}  // namespace
