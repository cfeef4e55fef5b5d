// Whole files by UTF-8 path, on either system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mltool {

// The file's bytes; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(std::string_view path);

// Puts `bytes` into a temporary file beside `path` and moves that over the file only once it is
// complete, so a failure leaves an existing file as it was. Raises ToolError.
void WriteWholeFile(std::string_view path, std::string_view bytes);

}  // namespace mltool
