// Reading a translated PO file with gettext's own library (libgettextpo), in the native build.
// The Windows build has no such library: its reader refuses every file (PoReaderUnavailable.cpp).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mltool {

struct PoMessage {
  std::optional<std::string> context;
  std::string id;
  std::string translation;  // empty when untranslated
  bool fuzzy = false;
  bool plural = false;
  int line = 0;  // where it begins in the file; 0 when not found
};

struct PoCatalog {
  std::optional<std::string> tableLanguage;  // the header's kTableLanguageField
  std::vector<PoMessage> messages;           // in file order; no header, no obsolete ones
};

// The catalog of the PO file at `path`, whose bytes are `text`. Raises ToolError naming the line
// of the first error the library reports (or of bytes that are not UTF-8, or of a header whose
// charset is not UTF-8), and for a file in several domains.
PoCatalog ReadPoFile(const std::string& path, std::string_view text);

}  // namespace mltool
