// The error kinds every layer raises. Each carries the text that the message loop shows.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

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

}  // namespace base
