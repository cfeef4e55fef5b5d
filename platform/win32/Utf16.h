// The one place where UTF-8 text meets the UTF-16 of the system's W functions.
#pragma once

#include <string>
#include <string_view>

namespace plat {

// Invalid input becomes U+FFFD rather than failing.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace plat
