#include "tools/uidriver/TextFormat.h"

#include <charconv>
#include <cstdlib>

namespace uidriver {

std::string Escape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        result += "\\\\";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\t':
        result += "\\t";
        break;
      default:
        result += c;
        break;
    }
  }
  return result;
}

std::string Line(std::initializer_list<std::string_view> fields) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line += '\t';
    line += field;
    first = false;
  }
  line += '\n';
  return line;
}

std::string WithoutAccessKeys(std::string_view label) {
  std::string result;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] != '&') {
      result += label[i];
    } else if (i + 1 < label.size() && label[i + 1] == '&') {
      result += '&';
      ++i;
    }
  }
  return result;
}

bool SameLabel(std::string_view label, std::string_view wanted) {
  return label == wanted || WithoutAccessKeys(label) == wanted;
}

bool IsCentred(const Box& window, const Box& area) {
  const int dx = (window.left + window.right) - (area.left + area.right);
  const int dy = (window.top + window.bottom) - (area.top + area.bottom);
  // The sums are twice the centres: a pixel either way is a difference of 2.
  return std::abs(dx) <= 2 && std::abs(dy) <= 2;
}

bool ParseSeconds(std::string_view text, double fallback, double& seconds) {
  if (text.empty()) {
    seconds = fallback;
    return true;
  }
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, seconds);
  return ec == std::errc() && ptr == end && seconds >= 0;
}

}  // namespace uidriver
