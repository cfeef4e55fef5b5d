#include "app/util/bsStr.h"

namespace app {

std::string ExtractField(std::string_view text, char separator, std::int16_t n) {
  std::string result;
  long field = 1;
  for (const char c : text) {
    if (c == separator) ++field;
    if (field == n && c != separator) result += c;
    if (field > n) break;
  }
  return result;
}

}  // namespace app
