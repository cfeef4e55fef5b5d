// What mltool's commands share: their arguments, the usage error, the file each works on at the
// moment (errors name it) and the exit codes. Commands.h describes the commands.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mltool {

inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

struct Arguments {
  std::vector<std::string> positional;
  bool addNew = false;
  std::optional<std::string> out;
  std::string component;
  std::optional<std::string> languages;  // po-export's language codes
  std::optional<std::string> language;   // po-import's language number
};

class UsageError : public std::exception {
 public:
  explicit UsageError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// The arguments after the command's name `args[0]`; an option the command does not take is a
// usage error.
Arguments Parse(const std::vector<std::string>& args, std::string_view command);

// A language number given on the command line; raises UsageError for anything else.
int ParseLanguage(const std::string& text);

// The file that the command works on at the moment; errors are reported with it.
struct Stage {
  std::string file;
};

// The whole file; raises ToolError when it cannot be read.
std::string Read(const std::string& path);

}  // namespace mltool
