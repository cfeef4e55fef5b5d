#include "tools/mltool/TextLines.h"

#include <cstddef>

#include "base/Utf8.h"

namespace mltool {

int FirstBadUtf8Line(std::string_view s) {
  const std::size_t bad = base::FirstInvalidUtf8(s);
  if (bad == std::string_view::npos) return 0;
  int line = 1;
  for (std::size_t i = 0; i < bad; ++i) {
    if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))) ++line;
  }
  return line;
}

}  // namespace mltool
