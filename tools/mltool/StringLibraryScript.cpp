#include "tools/mltool/StringLibraryScript.h"

#include <cstdio>
#include <set>

#include "platform/StringLibrary.h"
#include "platform/Utf8.h"
#include "toolkit/Ascii.h"
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
    if (!classes.insert(tk::AsciiLowerCase(window.className)).second) {
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
      const std::size_t units = plat::Utf16Length(line);
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
  for (const char32_t cp : plat::DecodeUtf8(utf8)) {
    switch (cp) {
      case U'"':
        out += "\"\"";
        break;
      case U'\\':
        out += "\\\\";
        break;
      case U'\r':
        out += "\\r";
        break;
      case U'\n':
        out += "\\n";
        break;
      case U'\t':
        out += "\\t";
        break;
      default:
        if (cp >= 0x20 && cp < 0x7F) {
          out += static_cast<char>(cp);
        } else if (cp < 0x10000) {
          AppendUnit(out, cp);
        } else {
          const std::uint32_t v = cp - 0x10000;
          AppendUnit(out, 0xD800 + (v >> 10));
          AppendUnit(out, 0xDC00 + (v & 0x3FF));
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
