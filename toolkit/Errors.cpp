#include "toolkit/Errors.h"

#include <cstdint>
#include <limits>

namespace tk {

EInOutError::EInOutError(std::uint32_t errorCode)
    : Exception("I/O error " + std::to_string(errorCode)), errorCode_(errorCode) {}

EConvertError EConvertError::NotAnInteger(std::string_view text) {
  return EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

EAssertionFailed::EAssertionFailed(std::string_view unit, int line)
    : Exception("Assertion failure (" + std::string(unit) + ", line " + std::to_string(line) + ")") {}

EStringListError EStringListError::IndexOutOfBounds(int index) {
  return EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

namespace {

bool ParseInt(std::string_view text, std::int32_t& out) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    value = value * base + digit;
    if (value > 0xFFFFFFFFll) return false;  // beyond 32 bits, whatever the base
  }
  if (negative) value = -value;
  if (base == 10 && (value < std::numeric_limits<std::int32_t>::min() ||
                     value > std::numeric_limits<std::int32_t>::max())) {
    return false;
  }
  // Hexadecimal literals cover the full 32 bits and wrap, as the runtime's do.
  out = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return true;
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (!ParseInt(text, value)) throw EConvertError::NotAnInteger(text);
  return value;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  std::int32_t value = 0;
  return ParseInt(text, value) ? value : fallback;
}

}  // namespace tk
