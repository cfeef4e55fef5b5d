// Wildcard masks as the system's directory enumeration reads them.
#pragma once

#include <string_view>

namespace plat {

// Whether `name` matches `mask`: "*" stands for any run of characters, "?" for one character,
// and a mask ending in ".*" also matches names without that extension ("*.*" matches every name).
// Both arguments must already be case-folded.
bool MatchesWildcard(std::u32string_view mask, std::u32string_view name);

}  // namespace plat
