// The error kinds of the toolkit. Every error carries the text that the message loop shows.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tk {

// The general error: a message and nothing else.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A failed input/output operation of the runtime, carrying the operating system's error code.
class EInOutError : public Exception {
 public:
  explicit EInOutError(std::uint32_t errorCode);
  std::uint32_t ErrorCode() const { return errorCode_; }

 private:
  std::uint32_t errorCode_;
};

// Text-to-integer conversion: "'%s' is not a valid integer value".
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  static EConvertError NotAnInteger(std::string_view text);
};

// "%s (%s, line %d)" from "Assertion failure", the source unit and the line.
class EAssertionFailed : public Exception {
 public:
  EAssertionFailed(std::string_view unit, int line);
};

// "List index out of bounds (%d)".
class EStringListError : public Exception {
 public:
  using Exception::Exception;
  static EStringListError IndexOutOfBounds(int index);
};

// Naming and ownership errors of components.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

// A stored window description that cannot be read.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

// Converts a decimal integer as the runtime does: optional sign, digits, surrounding blanks not
// allowed; "$" or "0x" introduces a hexadecimal number. Raises EConvertError otherwise.
std::int32_t StrToInt(std::string_view text);
// The same, answering `fallback` instead of raising.
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

}  // namespace tk
