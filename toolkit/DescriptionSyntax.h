// The syntax of stored window descriptions (Description.h shows it): the text becomes a tree of
// objects with their property lines before anything is made, and strings are quoted both ways.
// The reader and the writer share it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk::desc {

struct Value {
  enum class Kind { Word, String, Set, List } kind = Kind::Word;
  std::string text;                // a word, or a decoded string
  std::vector<std::string> items;  // set element names, or decoded list strings
};

struct PropertyLine {
  int line = 0;
  std::vector<std::string> path;  // "Font.Height" gives {"Font", "Height"}
  Value value;
};

struct ObjectNode {
  int line = 0;
  std::string name;
  std::string className;
  std::vector<PropertyLine> properties;
  std::vector<ObjectNode> children;
};

// The tree of a whole description (a leading byte-order mark skipped). Raises EReadError naming
// the line for text that is no description, a string that is not UTF-8 included.
ObjectNode Parse(std::string_view text);

// The path's names up to and including `last`, joined by dots: "Font.Height".
std::string JoinPath(const std::vector<std::string>& path, std::size_t last);

// A string as a description stores it: in quotes, with escapes for quotes, backslashes and
// control characters; UTF-8 sequences stay as they are.
std::string Quote(std::string_view s);

// Raises EReadError "Line <line>: <what>".
[[noreturn]] void Fail(int line, const std::string& what);

}  // namespace tk::desc
