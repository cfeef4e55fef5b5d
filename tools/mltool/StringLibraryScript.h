// String libraries of translation tables: one language of one or more windows' tables laid out
// in blocks (a header "%" + the window's class name at 1000, 1100, ..., then alternately key and
// text), and the resource script that windres or rc compiles into a resource-only library.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace mltool {

struct WindowStrings {
  std::string className;
  // Alternately key and text, as a one-language table.
  std::vector<std::string> lines;
};

struct StringLibraryLayout {
  std::map<std::uint32_t, std::string> strings;  // by id
  std::vector<std::string> warnings;
};

// Lays the windows out one block after the other. Each header goes to the first header id at
// which the block before has ended (an id without a string right after its last text), so the
// component's header search, which stops at a lookup error, passes no header id without strings.
// Raises ToolError for what the component could not read back: a key that is empty (the block
// would end there), a class name of a single character (a header needs more than two), or two
// windows of one class. Warns of strings longer than a library read keeps.
StringLibraryLayout LayOutStringLibrary(const std::vector<WindowStrings>& windows);

// The resource script of the strings: ASCII only, texts as wide strings with their other
// characters escaped, so no code page is involved.
std::string ResourceScript(const std::map<std::uint32_t, std::string>& strings,
                           std::string_view comment);

// A text as a wide string literal of a resource script.
std::string ResourceString(std::string_view utf8);

}  // namespace mltool
