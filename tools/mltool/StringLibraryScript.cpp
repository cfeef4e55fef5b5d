#include "tools/mltool/StringLibraryScript.h"

#include <cstdio>
#include <set>

#include "base/Ascii.h"
#include "base/Utf8.h"
#include "platform/StringLibrary.h"
#include "tools/mltool/ToolError.h"

namespace mltool {

namespace {

constexpr std::uint32_t kFirstHeader = 1000;
constexpr std::uint32_t kHeaderStep = 100;

void AppendUnit(std::string& out, std::uint32_t unit) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "\\x%04X", static_cast<unsigned>(unit));
  out += hex;
}

}  // namespace

StringLibraryLayout LayOutStringLibrary(const std::vector<WindowStrings>& windows) {
  StringLibraryLayout layout;
  std::set<std::string> classes;
  std::uint32_t header = kFirstHeader;
  for (const WindowStrings& window : windows) {
    if (window.className.size() < 2) {
      throw ToolError("the class name " + window.className +
                      " is too short for a block header, which needs more than two characters");
    }
    if (!classes.insert(base::AsciiLowerCase(window.className)).second) {
      throw ToolError("two windows of class " + window.className + " cannot share a library");
    }
    for (std::size_t i = 0; i < window.lines.size(); i += 2) {
      if (window.lines[i].empty()) {
        throw ToolError(window.className + ": entry " + std::to_string(i / 2 + 1) +
                        " has an empty key, which would end the block there");
      }
    }
    layout.strings[header] = "%" + window.className;
    std::uint32_t id = header;
    for (const std::string& line : window.lines) {
      ++id;
      layout.strings[id] = line;
      const std::size_t units = base::Utf16Length(line);
      if (units > plat::kMaxLibraryStringChars) {
        layout.warnings.push_back(window.className + ": string " + std::to_string(id) + " has " +
                                  std::to_string(units) + " characters; a library read keeps " +
                                  std::to_string(plat::kMaxLibraryStringChars));
      }
    }
    // The id after the last text stays free: that ends the body. Bodies hold whole entries, so
    // that id is odd and never a header id, and the header ids passed before the next header lie
    // inside this body, where lookups find strings.
    const std::uint32_t free = id + 1;
    header = kFirstHeader + (free - kFirstHeader + kHeaderStep) / kHeaderStep * kHeaderStep;
  }
  return layout;
}

std::string ResourceString(std::string_view utf8) {
  std::string out = "L\"";
  // Units beyond ASCII, surrogates included, are written as escapes: the script stays ASCII.
  for (const char16_t unit : base::EncodeUtf16(utf8)) {
    switch (unit) {
      case u'"':
        out += "\"\"";
        break;
      case u'\\':
        out += "\\\\";
        break;
      case u'\r':
        out += "\\r";
        break;
      case u'\n':
        out += "\\n";
        break;
      case u'\t':
        out += "\\t";
        break;
      default:
        if (unit >= 0x20 && unit < 0x7F) {
          out += static_cast<char>(unit);
        } else {
          AppendUnit(out, unit);
        }
    }
  }
  return out + "\"";
}

std::string ResourceScript(const std::map<std::uint32_t, std::string>& strings,
                           std::string_view comment) {
  std::string out = "// " + std::string(comment) + "\r\n\r\nSTRINGTABLE\r\nBEGIN\r\n";
  for (const auto& [id, text] : strings) {
    out += "  " + std::to_string(id) + ", " + ResourceString(text) + "\r\n";
  }
  return out + "END\r\n";
}

}  // namespace mltool
