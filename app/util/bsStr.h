// Cutting fields out of separator-delimited texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// The `n`-th field of `text` (counted from 1) between `separator` characters; empty for `n`
// below 1 or beyond the last field.
std::string ExtractField(std::string_view text, char separator, std::int16_t n);

}  // namespace app
