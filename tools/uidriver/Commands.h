// The driver's commands, callable from its main and from tests in the same process.
#pragma once

#include <string>
#include <vector>

namespace uidriver {

struct Output {
  std::string out;  // the report, UTF-8, tab-separated lines
  std::string err;  // why a command failed
};

enum ExitCode : int { kOk = 0, kNotFound = 1, kUsage = 2 };

// Runs one command; args[0] is its name. Answers the exit code.
int RunCommand(const std::vector<std::string>& args, Output& output);

// How to call the driver.
std::string Usage();

}  // namespace uidriver
