// The Win32 backend converts text at the system boundary with the platform layer's conversion,
// so UTF-8 becomes UTF-16 in one place for the whole program.
#pragma once

#include "platform/win32/Utf16.h"

namespace tk::win32 {

using plat::Narrow;
using plat::Widen;

}  // namespace tk::win32
