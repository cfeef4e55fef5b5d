// The failure of a command, with the message it reports. `line` names the line of the input at
// fault when there is one.
#pragma once

#include <stdexcept>
#include <string>

namespace mltool {

class ToolError : public std::runtime_error {
 public:
  explicit ToolError(const std::string& message, int line = 0)
      : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

}  // namespace mltool
