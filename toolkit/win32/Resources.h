// Resources of the program file: stored window descriptions, pictures and the icon.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/UniqueHandle.h"

namespace tk::win32 {

// The text of an RCDATA resource as UTF-8 (a UTF-16 text with byte-order mark is converted, a
// UTF-8 byte-order mark dropped); nothing when the program has no such resource.
std::optional<std::string> LoadTextResource(std::string_view name);
// Decodes the bytes of a text resource as described above.
std::string DecodeText(std::string_view bytes);
// A bitmap resource of the program; empty when there is none of that name.
plat::UniqueBitmap LoadBitmapResource(std::string_view name);
// The program's icon "MAINICON" in the given size; null when it has none. Shared: never freed.
HICON LoadApplicationIcon(int size);

}  // namespace tk::win32
