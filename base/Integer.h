// Integers from text: the runtime's StrToInt and the plainer spelling of stored descriptions, one
// parser behind both.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace base {

// Which spellings an integer may take besides decimal digits, a leading "-" and "$" hexadecimal.
enum class IntSyntax {
  Runtime,  // StrToInt's: a leading "+" too, and "0x" hexadecimal
  Plain,    // nothing more
};

// Decimal within the signed 32-bit range, or hexadecimal covering all 32 bits (and wrapping, as
// the runtime's literals do); surrounding blanks are not allowed. Nothing for any other text.
std::optional<std::int32_t> ParseInt32(std::string_view text, IntSyntax syntax);

// Converts as the runtime does (IntSyntax::Runtime), raising EConvertError otherwise.
std::int32_t StrToInt(std::string_view text);
// The same, answering `fallback` instead of raising.
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// The value of a hexadecimal digit (either case), or -1.
constexpr int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace base
