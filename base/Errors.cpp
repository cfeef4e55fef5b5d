#include "base/Errors.h"

namespace base {

EInOutError::EInOutError(std::uint32_t errorCode)
    : Exception("I/O error " + std::to_string(errorCode)), errorCode_(errorCode) {}

EConvertError EConvertError::NotAnInteger(std::string_view text) {
  return EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

EAssertionFailed::EAssertionFailed(std::string_view unit, int line)
    : Exception("Assertion failure (" + std::string(unit) + ", line " + std::to_string(line) +
                ")") {}

EStringListError EStringListError::IndexOutOfBounds(int index) {
  return EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace base
