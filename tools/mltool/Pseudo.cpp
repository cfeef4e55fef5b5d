#include "tools/mltool/Pseudo.h"

#include <cstddef>

#include "base/Utf8.h"

namespace mltool {

namespace {

// a to z and A to Z, each as a letter of the Latin supplements that keeps its shape readable.
constexpr char32_t kLower[] =
    U"\u00E0\u0180\u00E7\u010F\u00E9\u0192\u011D\u0125\u00EE\u0135\u0137\u013C\u0271"
    U"\u00F1\u00F6\u00FE\u01EB\u0155\u015D\u0163\u00FC\u1E7D\u0175\u1E8B\u00FD\u017E";
constexpr char32_t kUpper[] =
    U"\u00C5\u0181\u00C7\u010E\u00C9\u0191\u011C\u0124\u00CE\u0134\u0136\u013B\u1E40"
    U"\u00D1\u00D6\u00DE\u01EA\u0154\u015C\u0162\u00DC\u1E7C\u0174\u1E8A\u00DD\u017D";

bool IsAsciiLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// How many characters from `at` on a placeholder or an accelerator takes, which stay as they are.
std::size_t KeptRun(std::u32string_view s, std::size_t at) {
  const char32_t c = s[at];
  std::size_t end = at + 1;
  if (c == U'&') {
    return end < s.size() ? 2 : 1;  // "&&" too: a plain ampersand
  }
  if (c == U'%') {
    while (end < s.size() &&
           std::u32string_view(U"-+#0123456789.").find(s[end]) != std::u32string_view::npos) {
      ++end;
    }
    if (end < s.size() && IsAsciiLetter(s[end])) ++end;
    return end - at;
  }
  if (c == U'{') {
    const std::size_t close = s.find(U'}', at);
    return close == std::u32string_view::npos ? 0 : close + 1 - at;
  }
  return 0;
}

std::u32string PseudoLine(std::u32string_view line) {
  std::size_t start = 0;
  while (start < line.size() && (line[start] == U' ' || line[start] == U'\t')) ++start;
  const std::u32string_view text = line.substr(start);
  std::u32string out(line.substr(0, start));
  if (text.empty()) return out;
  out += U'[';
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t kept = KeptRun(text, i); kept > 0) {
      out += text.substr(i, kept);
      i += kept;
    } else {
      out += AccentedLetter(text[i++]);
    }
  }
  out.append(text.size() * 2 / 5 + 1, U'~');
  out += U']';
  return out;
}

}  // namespace

char32_t AccentedLetter(char32_t c) {
  if (c >= U'a' && c <= U'z') return kLower[c - U'a'];
  if (c >= U'A' && c <= U'Z') return kUpper[c - U'A'];
  return c;
}

std::string PseudoText(std::string_view text) {
  const std::u32string s = base::DecodeUtf8(text);
  std::u32string out;
  for (std::size_t start = 0; start <= s.size();) {
    std::size_t end = s.find(U'\n', start);
    if (end == std::u32string::npos) end = s.size();
    std::size_t lineEnd = end;
    if (lineEnd > start && s[lineEnd - 1] == U'\r') --lineEnd;
    out += PseudoLine(std::u32string_view(s).substr(start, lineEnd - start));
    out += std::u32string_view(s).substr(lineEnd, end - lineEnd);  // the CR of CR LF
    if (end == s.size()) break;
    out += U'\n';
    start = end + 1;
  }
  return base::EncodeUtf8(out);
}

}  // namespace mltool
