// UTF-8 inside, UTF-16 at the Win32 boundary: the one place where the two meet.
#pragma once

#include <string>
#include <string_view>

namespace tk::win32 {

// Invalid sequences become U+FFFD instead of failing: a text is always shown.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tk::win32
