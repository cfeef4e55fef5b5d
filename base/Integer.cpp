#include "base/Integer.h"

#include <limits>

#include "base/Errors.h"

namespace base {

std::optional<std::int32_t> ParseInt32(std::string_view text, IntSyntax syntax) {
  const bool runtime = syntax == IntSyntax::Runtime;
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || (runtime && text.front() == '+'))) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (runtime && text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFll) return std::nullopt;  // beyond 32 bits, whatever the base
  }
  if (negative) value = -value;
  if (base == 10 && (value < std::numeric_limits<std::int32_t>::min() ||
                     value > std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t StrToInt(std::string_view text) {
  const std::optional<std::int32_t> value = ParseInt32(text, IntSyntax::Runtime);
  if (!value) throw EConvertError::NotAnInteger(text);
  return *value;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  return ParseInt32(text, IntSyntax::Runtime).value_or(fallback);
}

}  // namespace base
