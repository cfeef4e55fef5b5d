// Whole files by UTF-8 path, on either system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mltool {

// The file's bytes; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(std::string_view path);

// Replaces the file's contents: writes a temporary file beside it and moves that over the file
// only once it is complete, so a failure leaves the old file as it was. Raises ToolError.
void ReplaceFile(std::string_view path, std::string_view bytes);

}  // namespace mltool
