// The driver's output lines: tab-separated fields, texts escaped so that each record stays on
// one line.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace uidriver {

// "\" becomes "\\", CR "\r", LF "\n" and TAB "\t".
std::string Escape(std::string_view text);
// The fields joined by tabs, ended by a line feed.
std::string Line(std::initializer_list<std::string_view> fields);
// A button label as the user reads it: "&Yes" is "Yes", "&&" is "&".
std::string WithoutAccessKeys(std::string_view label);
// Whether a button's label is the one asked for, with or without its access-key marks.
bool SameLabel(std::string_view label, std::string_view wanted);

struct Box {
  int left, top, right, bottom;
};
// Whether the window's centre lies within a pixel of the area's centre.
bool IsCentred(const Box& window, const Box& area);

// A number of seconds from the command line; `fallback` when empty, nothing when not a number.
bool ParseSeconds(std::string_view text, double fallback, double& seconds);

}  // namespace uidriver
